#include "platform/ui/navigation/detail/NavigationBackButton.h"

#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/touches/UITouch.h"
#include "platform/ui/views/UILabel.h"
#include "platform/ui/views/detail/ControlColors.h"

namespace {

// The flat look's chevron, and the classic button's arrow point and side padding.
constexpr CGFloat kChevronWidth = 12;
constexpr CGFloat kChevronHeight = 21;
constexpr CGFloat kChevronGap = 6;
constexpr CGFloat kFlatLeading = 8;
constexpr CGFloat kArrowDepth = 11;
constexpr CGFloat kClassicPadding = 8;
constexpr CGFloat kClassicHeight = 30;
constexpr CGFloat kPressedAlpha = 0.3f;

}  // namespace

Class NavigationBackButton::classObject() {
    static const Class cls = defineClass<NavigationBackButton>(
        "NavigationBackButton", UIControl::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<NavigationBackButton*>(self)->drawRect(rect);
                });
        });
    return cls;
}

NavigationBackButton::NavigationBackButton() : label_(std::make_shared<UILabel>()) {
    layer()->setNeedsDisplayOnBoundsChange(true);
    setClassicLook(false);
}

void NavigationBackButton::setClassicLook(bool classic) {
    classic_ = classic;
    label_->setFont(classic ? UIFont::boldSystemFontOfSize(12) : UIFont::systemFontOfSize(17));
    label_->setTextColor(classic ? UIColor::whiteColor() : ControlColors::tint());
    setNeedsDisplay();
    setNeedsLayout();
}

const std::string& NavigationBackButton::title() const {
    return label_->text();
}

void NavigationBackButton::setTitle(const std::string& title) {
    label_->setText(title);
    setNeedsLayout();
}

CGFloat NavigationBackButton::titleStart() const {
    return classic_ ? kArrowDepth + kClassicPadding / 2
                    : kFlatLeading + kChevronWidth + kChevronGap;
}

CGFloat NavigationBackButton::titleEndPadding() const {
    return classic_ ? kClassicPadding : 0;
}

CGSize NavigationBackButton::sizeThatFits(CGSize size) const {
    const CGSize text = label_->sizeThatFits(size);
    return {titleStart() + text.width + titleEndPadding(),
            classic_ ? kClassicHeight : std::max(kChevronHeight, text.height)};
}

void NavigationBackButton::layoutSubviews() {
    if (!label_->superview()) addSubview(label_);
    const CGRect area = bounds();
    const CGFloat start = titleStart();
    label_->setFrame(
        {{start, 0},
         {std::max(area.size.width - start - titleEndPadding(), 0.0), area.size.height}});
}

void NavigationBackButton::drawRect(CGRect) {
    const CGRect area = bounds();
    const CGContextRef context = UIGraphicsGetCurrentContext();
    const CGFloat midY = area.size.height / 2;
    CGContextBeginPath(context);
    if (!classic_) {
        // The chevron, pointing back.
        CGContextMoveToPoint(context, kFlatLeading + kChevronWidth - 1.5,
                             midY - kChevronHeight / 2 + 1.5);
        CGContextAddLineToPoint(context, kFlatLeading + 1.5, midY);
        CGContextAddLineToPoint(context, kFlatLeading + kChevronWidth - 1.5,
                                midY + kChevronHeight / 2 - 1.5);
        CGContextSetStrokeColorWithColor(context, ControlColors::tint()->CGColor());
        CGContextSetLineWidth(context, 3);
        CGContextSetLineCap(context, kCGLineCapRound);
        CGContextSetLineJoin(context, kCGLineJoinRound);
        CGContextStrokePath(context);
        return;
    }
    // A bordered button whose leading end is an arrow point.
    const CGRect body = CGRectInset(area, 0.5, 0.5);
    const CGFloat radius = 5;
    CGContextMoveToPoint(context, CGRectGetMinX(body), midY);
    CGContextAddLineToPoint(context, CGRectGetMinX(body) + kArrowDepth, CGRectGetMinY(body));
    CGContextAddArcToPoint(context, CGRectGetMaxX(body), CGRectGetMinY(body), CGRectGetMaxX(body),
                           midY, radius);
    CGContextAddArcToPoint(context, CGRectGetMaxX(body), CGRectGetMaxY(body),
                           CGRectGetMinX(body) + kArrowDepth, CGRectGetMaxY(body), radius);
    CGContextAddLineToPoint(context, CGRectGetMinX(body) + kArrowDepth, CGRectGetMaxY(body));
    CGContextClosePath(context);
    CGContextSetRGBFillColor(context, 0x5E / 255.0, 0x76 / 255.0, 0x99 / 255.0, 1);
    CGContextSetRGBStrokeColor(context, 0x37 / 255.0, 0x46 / 255.0, 0x5E / 255.0, 1);
    CGContextSetLineWidth(context, 1);
    CGContextDrawPath(context, kCGPathFillStroke);
}

// Touches

bool NavigationBackButton::isInside(const UITouchSet& touches) const {
    return !touches.empty() && CGRectContainsPoint(bounds(), touches.front()->locationInView(this));
}

void NavigationBackButton::setPressed(bool pressed) {
    setAlpha(pressed ? kPressedAlpha : 1);
}

void NavigationBackButton::touchesBegan_withEvent(const UITouchSet& touches, UIEvent*) {
    if (!isEnabled()) return;
    tracking_ = true;
    setPressed(isInside(touches));
}

void NavigationBackButton::touchesMoved_withEvent(const UITouchSet& touches, UIEvent*) {
    if (tracking_) setPressed(isInside(touches));
}

void NavigationBackButton::touchesEnded_withEvent(const UITouchSet& touches, UIEvent*) {
    if (!tracking_) return;
    tracking_ = false;
    setPressed(false);
    if (isInside(touches)) sendActionsForControlEvents(UIControlEventTouchUpInside);
}

void NavigationBackButton::touchesCancelled_withEvent(const UITouchSet&, UIEvent*) {
    tracking_ = false;
    setPressed(false);
}
