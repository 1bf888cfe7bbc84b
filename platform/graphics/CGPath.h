#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/graphics/CGAffineTransform.h"

// A path of subpaths made of lines and cubic Bézier segments. Arcs, ellipses and quadratic curves
// are stored as cubic segments; points are stored already transformed by the transform given when
// they were added (a context adds through its current transformation matrix).
class CGPath {
  public:
    enum class ElementType { MoveTo, LineTo, CurveTo, Close };
    struct Element {
        ElementType type;
        CGPoint points[3];  // MoveTo/LineTo use [0]; CurveTo: control 1, control 2, end point
    };

    void moveTo(CGPoint point, const CGAffineTransform& m);
    void addLineTo(CGPoint point, const CGAffineTransform& m);
    void addQuadCurveTo(CGPoint control, CGPoint end, const CGAffineTransform& m);
    void addCurveTo(CGPoint control1, CGPoint control2, CGPoint end, const CGAffineTransform& m);
    // Angles in radians from the x axis towards the y axis. `clockwise` false sweeps with
    // increasing angle: counter-clockwise when y points up, clockwise on a y-down (flipped) view.
    // Draws a line from the current point to the arc's start when there is a current point.
    void addArc(CGPoint centre, CGFloat radius, CGFloat startAngle, CGFloat endAngle,
                bool clockwise, const CGAffineTransform& m);
    // The arc of `radius` tangent to the lines current point → `corner` and `corner` → `end`,
    // preceded by a line to its first tangent point.
    void addArcToPoint(CGPoint corner, CGPoint end, CGFloat radius, const CGAffineTransform& m);
    void addRect(CGRect rect, const CGAffineTransform& m);
    void addEllipseInRect(CGRect rect, const CGAffineTransform& m);
    void addPath(const CGPath& other, const CGAffineTransform& m);
    void closeSubpath();

    const std::vector<Element>& elements() const { return elements_; }
    bool isEmpty() const { return elements_.empty(); }
    // In the stored (transformed) coordinates; CGRectNull for an empty path. Includes control
    // points, so curves may give a slightly larger box.
    CGRect boundingBox() const;
    std::optional<CGPoint> currentPoint() const { return currentPoint_; }

  private:
    void appendArcSegments(CGPoint centre, CGFloat radius, CGFloat start, CGFloat sweep,
                           const CGAffineTransform& m);

    std::vector<Element> elements_;
    std::optional<CGPoint> currentPoint_;
    CGPoint subpathStart_;
};

using CGPathRef = std::shared_ptr<const CGPath>;
using CGMutablePathRef = std::shared_ptr<CGPath>;

// The platform's path functions; a null transform means the identity.
CGMutablePathRef CGPathCreateMutable();
CGMutablePathRef CGPathCreateMutableCopy(const CGPathRef& path);
void CGPathMoveToPoint(const CGMutablePathRef& path, const CGAffineTransform* m, CGFloat x,
                       CGFloat y);
void CGPathAddLineToPoint(const CGMutablePathRef& path, const CGAffineTransform* m, CGFloat x,
                          CGFloat y);
void CGPathAddQuadCurveToPoint(const CGMutablePathRef& path, const CGAffineTransform* m,
                               CGFloat cpx, CGFloat cpy, CGFloat x, CGFloat y);
void CGPathAddCurveToPoint(const CGMutablePathRef& path, const CGAffineTransform* m, CGFloat cp1x,
                           CGFloat cp1y, CGFloat cp2x, CGFloat cp2y, CGFloat x, CGFloat y);
void CGPathAddArc(const CGMutablePathRef& path, const CGAffineTransform* m, CGFloat x, CGFloat y,
                  CGFloat radius, CGFloat startAngle, CGFloat endAngle, bool clockwise);
void CGPathAddArcToPoint(const CGMutablePathRef& path, const CGAffineTransform* m, CGFloat x1,
                         CGFloat y1, CGFloat x2, CGFloat y2, CGFloat radius);
void CGPathAddRect(const CGMutablePathRef& path, const CGAffineTransform* m, CGRect rect);
void CGPathAddEllipseInRect(const CGMutablePathRef& path, const CGAffineTransform* m, CGRect rect);
void CGPathAddPath(const CGMutablePathRef& path, const CGAffineTransform* m,
                   const CGPathRef& other);
void CGPathCloseSubpath(const CGMutablePathRef& path);
bool CGPathIsEmpty(const CGPathRef& path);
CGRect CGPathGetBoundingBox(const CGPathRef& path);
CGPoint CGPathGetCurrentPoint(const CGPathRef& path);
// Whether `point` (transformed by m) lies inside the path filled with the given rule.
bool CGPathContainsPoint(const CGPathRef& path, const CGAffineTransform* m, CGPoint point,
                         bool evenOdd);
