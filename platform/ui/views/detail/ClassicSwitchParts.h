#pragma once

#include <memory>

#include "platform/ui/views/detail/SwitchParts.h"

// The switch before system 7: a rounded track showing a strip that slides under it, blue with
// "ON" in white left of a round knob and light grey with "OFF" in grey right of it. On, the strip
// shows its ON side with the knob at the right end; off, its OFF side with the knob at the left.
class ClassicSwitchParts : public SwitchParts {
public:
    explicit ClassicSwitchParts(CALayer& host);
    void place(CGRect bounds, bool on) override;

private:
    std::shared_ptr<CALayer> track_;  // clips the strip to the rounded shape
    std::shared_ptr<CALayer> strip_;
    std::shared_ptr<CALayer> edge_;  // the outline over both
    CGSize drawnSize_{};
};
