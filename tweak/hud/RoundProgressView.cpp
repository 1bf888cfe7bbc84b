#include "tweak/hud/RoundProgressView.h"

#include <numbers>

#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "tweak/hud/ColorOrClear.h"
#include "tweak/hud/RedisplayOnChange.h"

namespace {

constexpr CGFloat kDefaultSide = 37;
constexpr CGFloat kRingWidth = 5;
constexpr CGFloat kPieLineWidth = 2;
// Angles are single precision, as the drawing has always computed them.
constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kStartAngle = -kPi / 2;  // twelve o'clock

float progressEndAngle(float progress) {
    return progress * 2 * kPi + kStartAngle;
}

}  // namespace

Class RoundProgressView::classObject() {
    static const Class cls = defineClass<RoundProgressView>(
        "RoundProgressView", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<RoundProgressView*>(self)->drawRect(rect);
                });
            c.addMethod(
                "setProgress:", +[](id self, SEL, float progress) {
                    static_cast<RoundProgressView*>(self)->setProgress(progress);
                });
        });
    return cls;
}

RoundProgressView::RoundProgressView()
    : RoundProgressView(CGRectMake(0, 0, kDefaultSide, kDefaultSide)) {}

RoundProgressView::RoundProgressView(CGRect frame)
    : UIView(frame),
      progressTintColor_(UIColor::colorWithRed_green_blue_alpha(1, 1, 1, 1)),
      backgroundTintColor_(UIColor::colorWithRed_green_blue_alpha(1, 1, 1, 0.1)),
      observations_(redisplayOnChange(*this, *this, kObservableKeypaths)) {
    setBackgroundColor(UIColor::clearColor());
    setOpaque(false);
}

void RoundProgressView::setProgress(float progress) {
    progress_ = progress;
    didChangeValueForKey("progress", progress);
}

void RoundProgressView::setProgressTintColor(std::shared_ptr<UIColor> color) {
    progressTintColor_ = std::move(color);
    didChangeValueForKey("progressTintColor", progressTintColor_);
}

void RoundProgressView::setBackgroundTintColor(std::shared_ptr<UIColor> color) {
    backgroundTintColor_ = std::move(color);
    didChangeValueForKey("backgroundTintColor", backgroundTintColor_);
}

void RoundProgressView::setAnnular(bool annular) {
    annular_ = annular;
    didChangeValueForKey("annular", annular);
}

void RoundProgressView::drawRect(CGRect) {
    if (annular_) {
        drawRing();
    } else {
        drawPie();
    }
}

void RoundProgressView::drawRing() const {
    const CGContextRef context = UIGraphicsGetCurrentContext();
    const CGRect area = bounds();
    const CGPoint centre{area.size.width / 2, area.size.height / 2};
    const CGFloat radius = (area.size.width - kRingWidth) / 2;
    CGContextSetLineWidth(context, kRingWidth);
    CGContextSetLineCap(context, kCGLineCapRound);
    // Increasing angles run clockwise on screen in the view's y-down space.
    const auto strokeArc = [&](float endAngle, const std::shared_ptr<UIColor>& color) {
        CGContextBeginPath(context);
        CGContextAddArc(context, centre.x, centre.y, radius, kStartAngle, endAngle, 0);
        CGContextSetStrokeColorWithColor(context, colorOrClear(color));
        CGContextStrokePath(context);
    };
    strokeArc(kStartAngle + 2 * kPi, backgroundTintColor_);
    strokeArc(progressEndAngle(progress_), progressTintColor_);
}

void RoundProgressView::drawPie() const {
    const CGContextRef context = UIGraphicsGetCurrentContext();
    const CGRect area = bounds();
    const CGRect circle = CGRectInset(area, 2, 2);
    CGContextSetStrokeColorWithColor(context, colorOrClear(progressTintColor_));
    CGContextSetFillColorWithColor(context, colorOrClear(backgroundTintColor_));
    CGContextSetLineWidth(context, kPieLineWidth);
    CGContextFillEllipseInRect(context, circle);
    CGContextStrokeEllipseInRect(context, circle);

    CGContextSetRGBFillColor(context, 1, 1, 1, 1);
    const CGPoint centre{area.size.width / 2, area.size.height / 2};
    const CGFloat radius = (area.size.width - 4) / 2;
    CGContextMoveToPoint(context, centre.x, centre.y);
    CGContextAddArc(context, centre.x, centre.y, radius, kStartAngle, progressEndAngle(progress_),
                    0);
    CGContextClosePath(context);
    CGContextFillPath(context);
}
