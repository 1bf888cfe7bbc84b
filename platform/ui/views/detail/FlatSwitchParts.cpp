#include "platform/ui/views/detail/FlatSwitchParts.h"

#include <algorithm>

#include "platform/graphics/UIColor.h"
#include "platform/ui/layers/CALayer.h"
#include "platform/ui/views/ControlColors.h"

namespace {

// The outline's width when off, and the gap around the knob.
constexpr CGFloat kOutlineWidth = 1.5;
constexpr CGFloat kKnobInset = 2;

std::shared_ptr<CALayer> makePart(const std::shared_ptr<UIColor>& color) {
    auto part = CALayer::layer();
    part->setBackgroundColor(color->CGColor());
    return part;
}

}  // namespace

FlatSwitchParts::FlatSwitchParts(CALayer& host)
    : outline_(makePart(ControlColors::outline())),
      onFill_(makePart(ControlColors::switchOn())),
      offFill_(makePart(UIColor::whiteColor())),
      knob_(makePart(UIColor::whiteColor())) {
    knob_->setShadowColor(UIColor::blackColor()->CGColor());
    knob_->setShadowOpacity(0.3f);
    knob_->setShadowOffset({0, 2});
    knob_->setShadowRadius(2);
    for (const auto& part : {outline_, onFill_, offFill_, knob_}) host.addSublayer(part);
}

void FlatSwitchParts::place(CGRect bounds, bool on) {
    const CGFloat radius = bounds.size.height / 2;
    const CGFloat knobDiameter = std::max(bounds.size.height - 2 * kKnobInset, 0.0);
    const CGFloat knobX =
        on ? CGRectGetMaxX(bounds) - kKnobInset - knobDiameter : bounds.origin.x + kKnobInset;
    const CGRect interior = CGRectInset(bounds, kOutlineWidth, kOutlineWidth);

    outline_->setFrame(bounds);
    outline_->setCornerRadius(radius);
    onFill_->setFrame(bounds);
    onFill_->setCornerRadius(radius);
    onFill_->setOpacity(on ? 1 : 0);
    // The white interior shrinks into its centre as the switch turns on, uncovering the green.
    offFill_->setBounds({{0, 0}, interior.size});
    offFill_->setPosition({CGRectGetMidX(interior), CGRectGetMidY(interior)});
    offFill_->setCornerRadius(std::max(radius - kOutlineWidth, 0.0));
    offFill_->setTransform(on ? CATransform3DMakeScale(0.01, 0.01, 1) : CATransform3DIdentity);
    knob_->setFrame({{knobX, bounds.origin.y + kKnobInset}, {knobDiameter, knobDiameter}});
    knob_->setCornerRadius(knobDiameter / 2);
}
