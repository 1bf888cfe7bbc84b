#include "platform/ui/tables/detail/TableAccessoryIndicator.h"

#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"

namespace {

constexpr CGSize kChevronSize{8, 13};
constexpr CGSize kCheckmarkSize{14, 11};
constexpr CGFloat kStrokeWidth = 2;

}  // namespace

Class TableAccessoryIndicator::classObject() {
    static const Class cls = defineClass<TableAccessoryIndicator>(
        "TableAccessoryIndicator", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<TableAccessoryIndicator*>(self)->drawRect(rect);
                });
        });
    return cls;
}

TableAccessoryIndicator::TableAccessoryIndicator() : color_(UIColor::grayColor()) {
    setUserInteractionEnabled(false);
    layer()->setNeedsDisplayOnBoundsChange(true);
}

void TableAccessoryIndicator::configure(Mark mark, std::shared_ptr<UIColor> color) {
    mark_ = mark;
    color_ = std::move(color);
    setFrame({frame().origin, sizeThatFits(CGSizeZero)});
    setNeedsDisplay();
}

CGSize TableAccessoryIndicator::sizeThatFits(CGSize) const {
    return mark_ == Mark::Chevron ? kChevronSize : kCheckmarkSize;
}

void TableAccessoryIndicator::drawRect(CGRect) {
    const CGRect area = bounds();
    const CGFloat w = area.size.width, h = area.size.height, edge = kStrokeWidth / 2;
    const CGContextRef context = UIGraphicsGetCurrentContext();
    CGContextBeginPath(context);
    if (mark_ == Mark::Chevron) {
        CGContextMoveToPoint(context, edge, edge);
        CGContextAddLineToPoint(context, w - edge * 1.5, h / 2);
        CGContextAddLineToPoint(context, edge, h - edge);
    } else {
        CGContextMoveToPoint(context, edge, h * 0.55);
        CGContextAddLineToPoint(context, w * 0.36, h - edge * 1.5);
        CGContextAddLineToPoint(context, w - edge, edge);
    }
    CGContextSetStrokeColorWithColor(context, color_->CGColor());
    CGContextSetLineWidth(context, kStrokeWidth);
    CGContextSetLineCap(context, kCGLineCapRound);
    CGContextSetLineJoin(context, kCGLineJoinRound);
    CGContextStrokePath(context);
}
