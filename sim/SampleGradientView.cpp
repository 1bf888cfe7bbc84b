#include "sim/SampleGradientView.h"

#include "platform/graphics/CGColorSpace.h"
#include "platform/graphics/CGGradient.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"

Class SampleGradientView::classObject() {
    static const Class cls = defineClass<SampleGradientView>(
        "SampleGradientView", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<SampleGradientView*>(self)->drawRect(rect);
                });
        });
    return cls;
}

void SampleGradientView::drawRect(CGRect) {
    static constexpr CGFloat kTopAndBottom[] = {0.13, 0.22, 0.45, 1, 0.47, 0.25, 0.52, 1};
    static const CGGradientRef gradient = CGGradientCreateWithColorComponents(
        CGColorSpaceCreateDeviceRGB(), kTopAndBottom, nullptr, 2);
    const CGRect area = bounds();
    CGContextDrawLinearGradient(
        UIGraphicsGetCurrentContext(), gradient, {0, CGRectGetMinY(area)}, {0, CGRectGetMaxY(area)},
        kCGGradientDrawsBeforeStartLocation | kCGGradientDrawsAfterEndLocation);
}
