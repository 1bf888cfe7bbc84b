#include "platform/graphics/UIBezierPath.h"

#include "platform/runtime/Runtime.h"

Class UIBezierPath::classObject() {
    static const Class cls = defineClass<UIBezierPath>("UIBezierPath", NSObject::classObject());
    return cls;
}

std::shared_ptr<UIBezierPath> UIBezierPath::bezierPathWithRect(CGRect rect) {
    const CGMutablePathRef path = CGPathCreateMutable();
    CGPathAddRect(path, nullptr, rect);
    return std::make_shared<UIBezierPath>(path);
}

std::shared_ptr<UIBezierPath> UIBezierPath::bezierPathWithOvalInRect(CGRect rect) {
    const CGMutablePathRef path = CGPathCreateMutable();
    CGPathAddEllipseInRect(path, nullptr, rect);
    return std::make_shared<UIBezierPath>(path);
}

bool UIBezierPath::containsPoint(CGPoint point) const {
    return CGPathContainsPoint(path_, nullptr, point, false);
}
