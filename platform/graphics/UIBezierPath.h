#pragma once

#include <memory>

#include "platform/graphics/CGPath.h"
#include "platform/runtime/NSObject.h"

// An immutable outline for views to clip, fill or hit-test with, over a CGPath in the
// coordinates it was made in.
class UIBezierPath : public NSObject {
    RUNTIME_CLASS(UIBezierPath)
    explicit UIBezierPath(CGPathRef path) : path_(std::move(path)) {}

    static std::shared_ptr<UIBezierPath> bezierPathWithRect(CGRect rect);
    // The ellipse inscribed in the rectangle.
    static std::shared_ptr<UIBezierPath> bezierPathWithOvalInRect(CGRect rect);

    const CGPathRef& CGPath() const { return path_; }
    // The box around the path's points (control points included).
    CGRect bounds() const { return CGPathGetBoundingBox(path_); }
    // With the non-zero winding rule.
    bool containsPoint(CGPoint point) const;

private:
    CGPathRef path_;
};
