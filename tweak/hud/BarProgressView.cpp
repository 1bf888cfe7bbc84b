#include "tweak/hud/BarProgressView.h"

#include <cmath>
#include <numbers>

#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "tweak/hud/ColorOrClear.h"
#include "tweak/hud/RedisplayOnChange.h"

namespace {

constexpr CGFloat kDefaultWidth = 120;
constexpr CGFloat kDefaultHeight = 20;
constexpr CGFloat kLineWidth = 2;
// The outline runs 2 points inside the bounds, the fill 2 points inside the outline.
constexpr CGFloat kOutlineInset = 2;
constexpr CGFloat kFillInset = 4;
constexpr float kPi = std::numbers::pi_v<float>;

}  // namespace

Class BarProgressView::classObject() {
    static const Class cls =
        defineClass<BarProgressView>("BarProgressView", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<BarProgressView*>(self)->drawRect(rect);
                });
            c.addMethod(
                "setProgress:", +[](id self, SEL, float progress) {
                    static_cast<BarProgressView*>(self)->setProgress(progress);
                });
        });
    return cls;
}

BarProgressView::BarProgressView()
    : BarProgressView(CGRectMake(0, 0, kDefaultWidth, kDefaultHeight)) {}

BarProgressView::BarProgressView(CGRect frame)
    : UIView(frame),
      lineColor_(UIColor::whiteColor()),
      progressRemainingColor_(UIColor::clearColor()),
      progressColor_(UIColor::whiteColor()),
      observations_(redisplayOnChange(*this, *this, kObservableKeypaths)) {
    setBackgroundColor(UIColor::clearColor());
    setOpaque(false);
}

void BarProgressView::setProgress(float progress) {
    progress_ = progress;
    didChangeValueForKey("progress", progress);
}

void BarProgressView::setLineColor(std::shared_ptr<UIColor> color) {
    lineColor_ = std::move(color);
    didChangeValueForKey("lineColor", lineColor_);
}

void BarProgressView::setProgressRemainingColor(std::shared_ptr<UIColor> color) {
    progressRemainingColor_ = std::move(color);
    didChangeValueForKey("progressRemainingColor", progressRemainingColor_);
}

void BarProgressView::setProgressColor(std::shared_ptr<UIColor> color) {
    progressColor_ = std::move(color);
    didChangeValueForKey("progressColor", progressColor_);
}

void BarProgressView::drawRect(CGRect rect) {
    const CGContextRef context = UIGraphicsGetCurrentContext();
    drawOutline(context, rect.size);
    drawFill(context, rect.size);
}

void BarProgressView::drawOutline(const CGContextRef& context, CGSize size) const {
    const CGFloat w = size.width, h = size.height;
    const float r = static_cast<float>(h / 2 - kOutlineInset);
    const CGFloat in = kOutlineInset;
    CGContextSetLineWidth(context, kLineWidth);
    CGContextSetStrokeColorWithColor(context, colorOrClear(lineColor_));
    CGContextSetFillColorWithColor(context, colorOrClear(progressRemainingColor_));
    const auto addCapsule = [&] {
        CGContextMoveToPoint(context, in, h / 2);
        CGContextAddArcToPoint(context, in, in, r + in, in, r);
        CGContextAddLineToPoint(context, w - r - in, in);
        CGContextAddArcToPoint(context, w - in, in, w - in, h / 2, r);
        CGContextAddArcToPoint(context, w - in, h - in, w - r - in, h - in, r);
        CGContextAddLineToPoint(context, r + in, h - in);
        CGContextAddArcToPoint(context, in, h - in, in, h / 2, r);
    };
    addCapsule();
    CGContextFillPath(context);
    addCapsule();
    CGContextStrokePath(context);
}

void BarProgressView::drawFill(const CGContextRef& context, CGSize size) const {
    const CGFloat w = size.width, h = size.height;
    const CGFloat in = kFillInset;
    const float q = static_cast<float>(h / 2 - kOutlineInset) - 2;
    const float amount = static_cast<float>(progress_ * w);
    CGContextSetFillColorWithColor(context, colorOrClear(progressColor_));
    // The rounded start of the top and of the bottom half, each from the middle of the left end.
    const auto addTopStart = [&] {
        CGContextMoveToPoint(context, in, h / 2);
        CGContextAddArcToPoint(context, in, in, q + in, in, q);
    };
    const auto addBottomStart = [&] {
        CGContextMoveToPoint(context, in, h / 2);
        CGContextAddArcToPoint(context, in, h - in, q + in, h - in, q);
    };
    if (amount >= q + in && amount <= w - q - in) {
        addTopStart();
        CGContextAddLineToPoint(context, amount, in);
        CGContextAddLineToPoint(context, amount, q + in);
        addBottomStart();
        CGContextAddLineToPoint(context, amount, h - in);
        CGContextAddLineToPoint(context, amount, q + in);
    } else if (amount > q + in) {
        // Into the right end: follow its circle as far as the amount reaches.
        const CGFloat capCentreX = w - q - in;
        const float x = static_cast<float>(amount - capCentreX);
        float angle = std::acos(x / q);
        if (std::isnan(angle)) angle = 0;
        addTopStart();
        CGContextAddLineToPoint(context, capCentreX, in);
        CGContextAddArc(context, capCentreX, h / 2, q, kPi, -angle, 0);
        CGContextAddLineToPoint(context, amount, h / 2);
        addBottomStart();
        CGContextAddLineToPoint(context, capCentreX, h - in);
        CGContextAddArc(context, capCentreX, h / 2, q, -kPi, angle, 1);
        CGContextAddLineToPoint(context, amount, h / 2);
    } else if (amount > 0) {
        // Anywhere in the left end fills the whole of it.
        addTopStart();
        CGContextAddLineToPoint(context, q + in, h / 2);
        addBottomStart();
        CGContextAddLineToPoint(context, q + in, h / 2);
    }
    CGContextFillPath(context);
}
