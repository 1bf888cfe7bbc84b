#include "platform/ui/views/UIActivityIndicatorView.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/graphics/GraphicsStateSaver.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/views/detail/RepeatingTimer.h"

namespace {

struct StyleLook {
    CGFloat side;
    CGFloat white;
};

StyleLook lookOf(UIActivityIndicatorViewStyle style) {
    switch (style) {
        case UIActivityIndicatorViewStyleWhiteLarge:
            return {37, 1};
        case UIActivityIndicatorViewStyleGray:
            return {20, 0.5};
        case UIActivityIndicatorViewStyleWhite:
        default:
            return {20, 1};
    }
}

// Spokes as fractions of the view's side: from the inner end to the outer, and their width.
constexpr CGFloat kInnerRadius = 0.22;
constexpr CGFloat kOuterRadius = 0.44;
constexpr CGFloat kSpokeWidth = 0.09;
// The spoke furthest behind the leader keeps this much of its opacity.
constexpr CGFloat kFaintestAlpha = 0.25;

}  // namespace

Class UIActivityIndicatorView::classObject() {
    static const Class cls = defineClass<UIActivityIndicatorView>(
        "UIActivityIndicatorView", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<UIActivityIndicatorView*>(self)->drawRect(rect);
                });
        });
    return cls;
}

UIActivityIndicatorView::UIActivityIndicatorView(UIActivityIndicatorViewStyle style)
    : UIView(CGRect{{0, 0}, {lookOf(style).side, lookOf(style).side}}), style_(style) {
    setHidden(true);
}

UIActivityIndicatorView::~UIActivityIndicatorView() = default;

CGSize UIActivityIndicatorView::sizeThatFits(CGSize) const {
    const CGFloat side = lookOf(style_).side;
    return {side, side};
}

void UIActivityIndicatorView::startAnimating() {
    if (stepper_) return;
    setHidden(false);
    stepper_ = std::make_unique<RepeatingTimer>(kStepInterval, [this] { step(); });
}

void UIActivityIndicatorView::stopAnimating() {
    stepper_.reset();
    if (hidesWhenStopped_) setHidden(true);
}

void UIActivityIndicatorView::setHidesWhenStopped(bool hides) {
    hidesWhenStopped_ = hides;
    if (!isAnimating()) setHidden(hides);
}

void UIActivityIndicatorView::step() {
    leadingSpoke_ = (leadingSpoke_ + 1) % kSpokeCount;
    setNeedsDisplay();
}

void UIActivityIndicatorView::drawRect(CGRect) {
    const CGContextRef context = UIGraphicsGetCurrentContext();
    if (!context) return;
    const CGRect bounds = this->bounds();
    const CGFloat side = std::min(bounds.size.width, bounds.size.height);
    const CGFloat white = lookOf(style_).white;
    GraphicsStateSaver saver(context);
    CGContextTranslateCTM(context, CGRectGetMidX(bounds), CGRectGetMidY(bounds));
    CGContextSetLineCap(context, kCGLineCapRound);
    CGContextSetLineWidth(context, side * kSpokeWidth);
    for (int spoke = 0; spoke < kSpokeCount; ++spoke) {
        const int behindLeader = (leadingSpoke_ - spoke + kSpokeCount) % kSpokeCount;
        const CGFloat alpha = 1 - (1 - kFaintestAlpha) * behindLeader / (kSpokeCount - 1);
        // Clockwise from twelve o'clock on a y-down screen.
        const CGFloat angle = 2 * std::numbers::pi * spoke / kSpokeCount - std::numbers::pi / 2;
        const CGFloat dx = std::cos(angle), dy = std::sin(angle);
        CGContextSetGrayStrokeColor(context, white, alpha);
        CGContextBeginPath(context);
        CGContextMoveToPoint(context, dx * side * kInnerRadius, dy * side * kInnerRadius);
        CGContextAddLineToPoint(context, dx * side * kOuterRadius, dy * side * kOuterRadius);
        CGContextStrokePath(context);
    }
}
