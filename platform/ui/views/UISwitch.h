#pragma once

#include <memory>

#include "platform/ui/views/UIControl.h"

class SwitchParts;

// An on/off control in the device's system look: from system 7 a rounded track, outlined white
// when off and filled green when on, with a white knob on the side of the state; before 7 a
// wider track whose blue "ON" and grey "OFF" sides slide under a round knob. A tap toggles it; a
// finger that slides along it leaves it on the side where it lifts. Each change the user makes
// sends the value-changed actions (UIControlEventValueChanged); changes made in code send none.
//
// Ownership: the switch's layer owns the layers that draw it (see detail/SwitchParts).
class UISwitch : public UIControl {
    RUNTIME_CLASS(UISwitch)
    UISwitch();
    // Only the origin is taken: a switch has the platform's fixed size for its look.
    explicit UISwitch(CGRect frame);
    ~UISwitch() override;

    static constexpr CGSize kFlatSize{51, 31};
    static constexpr CGSize kClassicSize{79, 27};
    // The size of a switch made now, in the device's look.
    static CGSize platformSize();

    bool isOn() const { return on_; }
    void setOn(bool on) { setOn_animated(on, false); }
    void setOn_animated(bool on, bool animated);

    CGSize sizeThatFits(CGSize) const override { return classic_ ? kClassicSize : kFlatSize; }
    void layoutSubviews() override;
    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled_withEvent(const UITouchSet& touches, UIEvent* event) override;

private:
    void placeParts(bool animated);

    const bool classic_;
    bool on_ = false;
    std::unique_ptr<SwitchParts> parts_;

    bool tracking_ = false;
    CGFloat touchDownX_ = 0;
};
