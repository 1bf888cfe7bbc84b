#include "prefs/bitmap/BitmapCropManipulator.h"

#include <cmath>

#include "platform/graphics/GraphicsStateSaver.h"
#include "platform/runtime/Runtime.h"

Class BitmapCropManipulator::classObject() {
    static const Class cls = defineClass<BitmapCropManipulator>(
        "BitmapCropManipulator", BitmapContextManipulator::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "cropFrame:", +[](id self, SEL, CGRect frame) {
                    static_cast<BitmapCropManipulator*>(self)->cropFrame(frame);
                });
            c.addMethod(
                "cropTopFrame:", +[](id self, SEL, CGRect frame) {
                    static_cast<BitmapCropManipulator*>(self)->cropTopFrame(frame);
                });
            c.addMethod(
                "cropTopEllipse:", +[](id self, SEL, CGRect frame) {
                    static_cast<BitmapCropManipulator*>(self)->cropTopEllipse(frame);
                });
            c.addMethod(
                "croppedImageWithFrame:", +[](id self, SEL, CGRect frame) {
                    return static_cast<BitmapCropManipulator*>(self)->croppedImageWithFrame(frame);
                });
        });
    return cls;
}

CGContextRef BitmapCropManipulator::croppedContext(CGRect frame) {
    const CGImageRef image = CGImage();
    const CGSize extent = bitmapExtent();
    return drawnContext(frame.size, [&](const CGContextRef& context) {
        CGContextDrawImage(
            context, CGRectMake(-frame.origin.x, -frame.origin.y, extent.width, extent.height),
            image);
    });
}

void BitmapCropManipulator::cropFrame(CGRect frame) {
    setContext(croppedContext(frame));
}

void BitmapCropManipulator::cropTopFrame(CGRect frame) {
    frame.origin.y = bitmapExtent().height - (frame.origin.y + frame.size.height);
    cropFrame(frame);
}

void BitmapCropManipulator::cropTopEllipse(CGRect frame) {
    const CGRect whole = CGRectMake(std::round(frame.origin.x), std::round(frame.origin.y),
                                    std::round(frame.size.width), std::round(frame.size.height));
    const CGImageRef image = CGImage();
    const CGSize extent = bitmapExtent();
    setContext(drawnContext(whole.size, [&](const CGContextRef& context) {
        const GraphicsStateSaver saver(context);
        CGContextAddEllipseInRect(context, CGRectMake(0, 0, whole.size.width, whole.size.height));
        CGContextClip(context);
        CGContextDrawImage(
            context,
            CGRectMake(-whole.origin.x, -(extent.height - (whole.origin.y + whole.size.height)),
                       extent.width, extent.height),
            image);
    }));
}

CGImageRef BitmapCropManipulator::croppedImageWithFrame(CGRect frame) {
    return CGBitmapContextCreateImage(croppedContext(frame));
}
