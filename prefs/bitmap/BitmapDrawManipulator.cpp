#include "prefs/bitmap/BitmapDrawManipulator.h"

#include "platform/graphics/GraphicsStateSaver.h"
#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"

Class BitmapDrawManipulator::classObject() {
    static const Class cls = defineClass<BitmapDrawManipulator>(
        "BitmapDrawManipulator", BitmapContextManipulator::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawImage:inRect:", +[](id self, SEL, const CGImageRef& image, CGRect rect) {
                    static_cast<BitmapDrawManipulator*>(self)->drawImage_inRect(image, rect);
                });
            c.addMethod(
                "drawEllipseInFrame:color:",
                +[](id self, SEL, CGRect frame, const std::shared_ptr<UIColor>& color) {
                    static_cast<BitmapDrawManipulator*>(self)->drawEllipseInFrame_color(frame,
                                                                                        color);
                });
        });
    return cls;
}

void BitmapDrawManipulator::drawImage_inRect(const CGImageRef& image, CGRect rect) {
    const CGContextRef target = context();
    {
        const GraphicsStateSaver saver(target);
        const CGFloat height = bitmapExtent().height;
        CGContextDrawImage(target,
                           CGRectMake(rect.origin.x, height - (rect.origin.y + rect.size.height),
                                      rect.size.width, rect.size.height),
                           image);
    }
    setNeedsUpdate(true);
}

void BitmapDrawManipulator::drawEllipseInFrame_color(CGRect frame,
                                                     const std::shared_ptr<UIColor>& color) {
    const CGContextRef target = context();
    {
        const GraphicsStateSaver saver(target);
        CGContextScaleCTM(target, 1, -1);
        CGContextTranslateCTM(target, 0, -bitmapExtent().height);
        CGContextSetFillColorWithColor(target, color ? color->CGColor() : nullptr);
        CGContextFillEllipseInRect(target, frame);
    }
    setNeedsUpdate(true);
}
