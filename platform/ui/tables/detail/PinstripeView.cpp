#include "platform/ui/tables/detail/PinstripeView.h"

#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"

namespace {

// Points from one stripe to the next, and a stripe's width.
constexpr CGFloat kPeriod = 5;
constexpr CGFloat kStripeWidth = 2;

}  // namespace

Class PinstripeView::classObject() {
    static const Class cls =
        defineClass<PinstripeView>("PinstripeView", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<PinstripeView*>(self)->drawRect(rect);
                });
        });
    return cls;
}

PinstripeView::PinstripeView() {
    setUserInteractionEnabled(false);
    layer()->setNeedsDisplayOnBoundsChange(true);
}

void PinstripeView::drawRect(CGRect) {
    const CGRect area = bounds();
    const CGContextRef context = UIGraphicsGetCurrentContext();
    CGContextSetRGBFillColor(context, 0xC5 / 255.0, 0xCC / 255.0, 0xD4 / 255.0, 1);
    CGContextFillRect(context, area);
    CGContextSetRGBFillColor(context, 0xCB / 255.0, 0xD2 / 255.0, 0xD8 / 255.0, 1);
    for (CGFloat x = kPeriod - kStripeWidth; x < area.size.width; x += kPeriod)
        CGContextFillRect(context, {{x, 0}, {kStripeWidth, area.size.height}});
}
