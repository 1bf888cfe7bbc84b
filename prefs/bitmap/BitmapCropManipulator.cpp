#include "prefs/bitmap/BitmapCropManipulator.h"

#include <cmath>

#include "platform/graphics/GraphicsStateSaver.h"
#include "platform/runtime/Runtime.h"
#include "prefs/bitmap/BitmapContextRep.h"

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

void BitmapCropManipulator::drawBitmapFrom(const CGContextRef& context, CGRect frame) {
    const CGSize extent = bitmapExtent();
    const auto rep = bitmapContext();
    if (!rep || !(frame == CGRectIntegral(frame))) {
        CGContextDrawImage(
            context, CGRectMake(-frame.origin.x, -frame.origin.y, extent.width, extent.height),
            CGImage());
        return;
    }
    // On whole pixels only the frame's own pixels matter: rows counted from the top edge.
    const CGRect pixels = CGRectIntersection(
        CGRectMake(frame.origin.x, extent.height - (frame.origin.y + frame.size.height),
                   frame.size.width, frame.size.height),
        CGRectMake(0, 0, extent.width, extent.height));
    if (CGRectIsNull(pixels) || CGRectIsEmpty(pixels)) return;
    CGRect covered;
    const CGImageRef image = rep->imageCovering(pixels, covered);
    CGContextDrawImage(
        context,
        CGRectMake(covered.origin.x - frame.origin.x,
                   extent.height - (covered.origin.y + covered.size.height) - frame.origin.y,
                   covered.size.width, covered.size.height),
        image);
}

CGContextRef BitmapCropManipulator::croppedContext(CGRect frame) {
    return drawnContext(frame.size,
                        [&](const CGContextRef& context) { drawBitmapFrom(context, frame); });
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
    const CGFloat bottom = bitmapExtent().height - (whole.origin.y + whole.size.height);
    setContext(drawnContext(whole.size, [&](const CGContextRef& context) {
        const GraphicsStateSaver saver(context);
        CGContextAddEllipseInRect(context, CGRectMake(0, 0, whole.size.width, whole.size.height));
        CGContextClip(context);
        drawBitmapFrom(context,
                       CGRectMake(whole.origin.x, bottom, whole.size.width, whole.size.height));
    }));
}

CGImageRef BitmapCropManipulator::croppedImageWithFrame(CGRect frame) {
    return CGBitmapContextCreateImage(croppedContext(frame));
}
