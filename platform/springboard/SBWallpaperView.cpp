#include "platform/springboard/SBWallpaperView.h"

#include "platform/graphics/CGColorSpace.h"
#include "platform/graphics/CGGradient.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"

Class SBWallpaperView::classObject() {
    static const Class cls =
        defineClass<SBWallpaperView>("SBWallpaperView", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<SBWallpaperView*>(self)->drawRect(rect);
                });
        });
    return cls;
}

void SBWallpaperView::drawRect(CGRect) {
    const CGRect bounds = this->bounds();
    const CGFloat components[] = {0.10, 0.20, 0.42, 1.0,   // deep blue
                                  0.30, 0.24, 0.52, 1.0,   // dusk
                                  0.55, 0.33, 0.58, 1.0};  // violet
    const CGFloat locations[] = {0, 0.6, 1};
    auto gradient = CGGradientCreateWithColorComponents(CGColorSpaceCreateDeviceRGB(), components,
                                                        locations, 3);
    CGContextDrawLinearGradient(UIGraphicsGetCurrentContext(), gradient,
                                {CGRectGetMinX(bounds), CGRectGetMinY(bounds)},
                                {CGRectGetMaxX(bounds), CGRectGetMaxY(bounds)}, 0);
}
