#include "platform/ui/views/UISwitch.h"

#include <cmath>

#include "platform/runtime/Runtime.h"
#include "platform/ui/layers/CATransaction.h"
#include "platform/ui/views/UIDevice.h"
#include "platform/ui/views/detail/SwitchParts.h"

namespace {

constexpr double kToggleDuration = 0.25;
// How far a finger slides before it is a slide rather than a tap.
constexpr CGFloat kSlideDistance = 6;
// A finger lifted this close outside the switch still counts as lifted on it.
constexpr CGFloat kTouchMargin = 20;

bool classicLook() {
    return UIDevice::currentDevice().isSystemVersionBefore("7.0");
}

}  // namespace

Class UISwitch::classObject() {
    static const Class cls = defineClass<UISwitch>("UISwitch", UIControl::classObject());
    return cls;
}

CGSize UISwitch::platformSize() {
    return classicLook() ? kClassicSize : kFlatSize;
}

UISwitch::UISwitch() : UISwitch(CGRectZero) {}

UISwitch::UISwitch(CGRect frame)
    : UIControl(CGRect{frame.origin, platformSize()}),
      classic_(classicLook()),
      parts_(SwitchParts::make(classic_, *layer())) {
    placeParts(false);
}

UISwitch::~UISwitch() = default;

void UISwitch::setOn_animated(bool on, bool animated) {
    on_ = on;
    placeParts(animated);
}

void UISwitch::layoutSubviews() {
    placeParts(false);
}

void UISwitch::placeParts(bool animated) {
    CATransaction::begin();
    CATransaction::setDisableActions(!animated);
    CATransaction::setAnimationDuration(kToggleDuration);
    parts_->place(bounds(), on_);
    CATransaction::commit();
}

// Touches

void UISwitch::touchesBegan_withEvent(const UITouchSet& touches, UIEvent*) {
    if (!isEnabled() || touches.empty()) return;
    tracking_ = true;
    touchDownX_ = touches.front()->locationInView(this).x;
}

void UISwitch::touchesEnded_withEvent(const UITouchSet& touches, UIEvent*) {
    if (!tracking_ || touches.empty()) return;
    tracking_ = false;
    const CGPoint point = touches.front()->locationInView(this);
    const CGRect bounds = this->bounds();
    bool on = on_;
    if (std::abs(point.x - touchDownX_) >= kSlideDistance) {
        on = point.x > CGRectGetMidX(bounds);
    } else if (CGRectContainsPoint(CGRectInset(bounds, -kTouchMargin, -kTouchMargin), point)) {
        on = !on_;
    }
    if (on == on_) return;
    setOn_animated(on, true);
    sendActionsForControlEvents(UIControlEventValueChanged);
}

void UISwitch::touchesCancelled_withEvent(const UITouchSet&, UIEvent*) {
    tracking_ = false;
}
