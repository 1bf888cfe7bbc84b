#pragma once

#include <memory>

#include "platform/ui/views/detail/SwitchParts.h"

// The system 7 switch: a rounded track, outlined white when off and filled green when on, with a
// white knob on the side of the state.
class FlatSwitchParts : public SwitchParts {
public:
    explicit FlatSwitchParts(CALayer& host);
    void place(CGRect bounds, bool on) override;

private:
    std::shared_ptr<CALayer> outline_;
    std::shared_ptr<CALayer> onFill_;
    std::shared_ptr<CALayer> offFill_;
    std::shared_ptr<CALayer> knob_;
};
