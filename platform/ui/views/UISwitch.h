#pragma once

#include <memory>

#include "platform/ui/views/UIControl.h"

// An on/off control in the iOS 7 look: a rounded track, outlined white when off and filled
// green when on, with a white knob on the side of the state. A tap toggles it; a finger that
// slides along it leaves it on the side where it lifts. Each change the user makes sends the
// value-changed actions (UIControlEventValueChanged); changes made in code send none.
class UISwitch : public UIControl {
    RUNTIME_CLASS(UISwitch)
    UISwitch();
    // Only the origin is taken: a switch has the platform's fixed size.
    explicit UISwitch(CGRect frame);

    static constexpr CGSize kSize{51, 31};

    bool isOn() const { return on_; }
    void setOn(bool on) { setOn_animated(on, false); }
    void setOn_animated(bool on, bool animated);

    CGSize sizeThatFits(CGSize) const override { return kSize; }
    void layoutSubviews() override;
    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled_withEvent(const UITouchSet& touches, UIEvent* event) override;

private:
    void buildParts();
    void placeParts(bool animated);

    bool on_ = false;
    std::shared_ptr<CALayer> outline_;
    std::shared_ptr<CALayer> onFill_;
    std::shared_ptr<CALayer> offFill_;
    std::shared_ptr<CALayer> knob_;

    bool tracking_ = false;
    CGFloat touchDownX_ = 0;
};
