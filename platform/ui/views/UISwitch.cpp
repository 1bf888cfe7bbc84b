#include "platform/ui/views/UISwitch.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/layers/CATransaction.h"
#include "platform/ui/views/ControlColors.h"

namespace {

constexpr double kToggleDuration = 0.25;
// The outline's width when off, and the gap around the knob.
constexpr CGFloat kOutlineWidth = 1.5;
constexpr CGFloat kKnobInset = 2;
// How far a finger slides before it is a slide rather than a tap.
constexpr CGFloat kSlideDistance = 6;
// A finger lifted this close outside the switch still counts as lifted on it.
constexpr CGFloat kTouchMargin = 20;

std::shared_ptr<CALayer> makePart(const std::shared_ptr<UIColor>& color) {
    auto part = CALayer::layer();
    part->setBackgroundColor(color->CGColor());
    return part;
}

}  // namespace

Class UISwitch::classObject() {
    static const Class cls = defineClass<UISwitch>("UISwitch", UIControl::classObject());
    return cls;
}

UISwitch::UISwitch() : UIControl(CGRect{{0, 0}, kSize}) {
    buildParts();
}

UISwitch::UISwitch(CGRect frame) : UIControl(CGRect{frame.origin, kSize}) {
    buildParts();
}

void UISwitch::buildParts() {
    outline_ = makePart(ControlColors::outline());
    onFill_ = makePart(ControlColors::switchOn());
    offFill_ = makePart(UIColor::whiteColor());
    knob_ = makePart(UIColor::whiteColor());
    knob_->setShadowColor(UIColor::blackColor()->CGColor());
    knob_->setShadowOpacity(0.3f);
    knob_->setShadowOffset({0, 2});
    knob_->setShadowRadius(2);
    for (const auto& part : {outline_, onFill_, offFill_, knob_}) layer()->addSublayer(part);
    placeParts(false);
}

void UISwitch::setOn_animated(bool on, bool animated) {
    on_ = on;
    placeParts(animated);
}

void UISwitch::layoutSubviews() {
    placeParts(false);
}

void UISwitch::placeParts(bool animated) {
    const CGRect bounds = this->bounds();
    const CGFloat radius = bounds.size.height / 2;
    const CGFloat knobDiameter = std::max(bounds.size.height - 2 * kKnobInset, 0.0);
    const CGFloat knobX =
        on_ ? CGRectGetMaxX(bounds) - kKnobInset - knobDiameter : bounds.origin.x + kKnobInset;
    const CGRect interior = CGRectInset(bounds, kOutlineWidth, kOutlineWidth);

    CATransaction::begin();
    CATransaction::setDisableActions(!animated);
    CATransaction::setAnimationDuration(kToggleDuration);
    outline_->setFrame(bounds);
    outline_->setCornerRadius(radius);
    onFill_->setFrame(bounds);
    onFill_->setCornerRadius(radius);
    onFill_->setOpacity(on_ ? 1 : 0);
    // The white interior shrinks into its centre as the switch turns on, uncovering the green.
    offFill_->setBounds({{0, 0}, interior.size});
    offFill_->setPosition({CGRectGetMidX(interior), CGRectGetMidY(interior)});
    offFill_->setCornerRadius(std::max(radius - kOutlineWidth, 0.0));
    offFill_->setTransform(on_ ? CATransform3DMakeScale(0.01, 0.01, 1) : CATransform3DIdentity);
    knob_->setFrame({{knobX, bounds.origin.y + kKnobInset}, {knobDiameter, knobDiameter}});
    knob_->setCornerRadius(knobDiameter / 2);
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
