#include "prefs/bitmap/BitmapScaleManipulator.h"

#include <algorithm>

#include "platform/runtime/Runtime.h"

Class BitmapScaleManipulator::classObject() {
    static const Class cls = defineClass<BitmapScaleManipulator>(
        "BitmapScaleManipulator", BitmapContextManipulator::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "setSize:", +[](id self, SEL, BMPoint size) {
                    static_cast<BitmapScaleManipulator*>(self)->setSize(size);
                });
            c.addMethod(
                "setSizeFittingFrame:", +[](id self, SEL, BMPoint size) {
                    static_cast<BitmapScaleManipulator*>(self)->setSizeFittingFrame(size);
                });
            c.addMethod(
                "setSizeFillingFrame:", +[](id self, SEL, BMPoint size) {
                    static_cast<BitmapScaleManipulator*>(self)->setSizeFillingFrame(size);
                });
        });
    return cls;
}

void BitmapScaleManipulator::setSize(BMPoint size) {
    const CGImageRef image = CGImage();
    const CGSize target = CGSizeFromBMPoint(size);
    setContext(drawnContext(target, [&](const CGContextRef& context) {
        CGContextDrawImage(context, CGRectMake(0, 0, target.width, target.height), image);
    }));
}

void BitmapScaleManipulator::setSizeFittingFrame(BMPoint size) {
    setSizeKeepingAspect(size, Cover::Fit);
}

void BitmapScaleManipulator::setSizeFillingFrame(BMPoint size) {
    setSizeKeepingAspect(size, Cover::Fill);
}

void BitmapScaleManipulator::setSizeKeepingAspect(BMPoint size, Cover cover) {
    const CGImageRef image = CGImage();
    const CGSize extent = bitmapExtent(), target = CGSizeFromBMPoint(size);
    // The factors are single precision, as the frames have always been laid out.
    const auto sx = static_cast<float>(target.width / extent.width);
    const auto sy = static_cast<float>(target.height / extent.height);
    const CGFloat scale = cover == Cover::Fit ? std::min(sx, sy) : std::max(sx, sy);
    const CGFloat width = extent.width * scale, height = extent.height * scale;
    setContext(drawnContext(target, [&](const CGContextRef& context) {
        CGContextDrawImage(
            context,
            CGRectMake(target.width / 2 - width / 2, target.height / 2 - height / 2, width, height),
            image);
    }));
}
