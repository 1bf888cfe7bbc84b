#include "platform/graphics/CGPath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/graphics/detail/CairoPath.h"

namespace {

constexpr CGFloat kTwoPi = 2 * std::numbers::pi;

CGPoint apply(CGPoint p, const CGAffineTransform& m) {
    return CGPointApplyAffineTransform(p, m);
}

CGPoint pointOnCircle(CGPoint centre, CGFloat radius, CGFloat angle) {
    return {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
}

// The signed sweep from start to end in the requested direction, at most one full turn.
CGFloat arcSweep(CGFloat start, CGFloat end, bool clockwise) {
    CGFloat sweep = end - start;
    if (!clockwise) {
        if (sweep < 0)
            sweep = std::fmod(sweep, kTwoPi) + kTwoPi;
        return std::min(sweep, kTwoPi);
    }
    if (sweep > 0)
        sweep = std::fmod(sweep, kTwoPi) - kTwoPi;
    return std::max(sweep, -kTwoPi);
}

}  // namespace

void CGPath::moveTo(CGPoint point, const CGAffineTransform& m) {
    const CGPoint p = apply(point, m);
    // Consecutive moves collapse into the last, so no empty subpaths pile up.
    if (!elements_.empty() && elements_.back().type == ElementType::MoveTo) {
        elements_.back().points[0] = p;
    } else {
        elements_.push_back({ElementType::MoveTo, {p}});
    }
    currentPoint_ = p;
    subpathStart_ = p;
}

void CGPath::addLineTo(CGPoint point, const CGAffineTransform& m) {
    if (!currentPoint_)
        return moveTo(point, m);
    const CGPoint p = apply(point, m);
    elements_.push_back({ElementType::LineTo, {p}});
    currentPoint_ = p;
}

void CGPath::addQuadCurveTo(CGPoint control, CGPoint end, const CGAffineTransform& m) {
    if (!currentPoint_)
        moveTo(control, m);
    // Raise the degree in the untransformed space: the start is the stored current point mapped
    // back, which is exact for any invertible transform and harmless otherwise.
    const CGPoint start = CGPointApplyAffineTransform(*currentPoint_, CGAffineTransformInvert(m));
    const CGPoint c1{start.x + 2.0 / 3.0 * (control.x - start.x),
                     start.y + 2.0 / 3.0 * (control.y - start.y)};
    const CGPoint c2{end.x + 2.0 / 3.0 * (control.x - end.x),
                     end.y + 2.0 / 3.0 * (control.y - end.y)};
    addCurveTo(c1, c2, end, m);
}

void CGPath::addCurveTo(CGPoint control1, CGPoint control2, CGPoint end,
                        const CGAffineTransform& m) {
    if (!currentPoint_)
        moveTo(control1, m);
    const CGPoint p = apply(end, m);
    elements_.push_back({ElementType::CurveTo, {apply(control1, m), apply(control2, m), p}});
    currentPoint_ = p;
}

void CGPath::addArc(CGPoint centre, CGFloat radius, CGFloat startAngle, CGFloat endAngle,
                    bool clockwise, const CGAffineTransform& m) {
    if (!std::isfinite(radius) || !std::isfinite(startAngle) || !std::isfinite(endAngle))
        return;
    radius = std::abs(radius);
    const CGPoint start = pointOnCircle(centre, radius, startAngle);
    if (currentPoint_) {
        addLineTo(start, m);
    } else {
        moveTo(start, m);
    }
    appendArcSegments(centre, radius, startAngle, arcSweep(startAngle, endAngle, clockwise), m);
}

// Cubic segments of at most a quarter turn each; the control distance 4/3·tan(θ/4) keeps the
// radial error below 0.03 % of the radius.
void CGPath::appendArcSegments(CGPoint centre, CGFloat radius, CGFloat start, CGFloat sweep,
                               const CGAffineTransform& m) {
    if (sweep == 0 || radius == 0)
        return;
    const int segments = static_cast<int>(std::ceil(std::abs(sweep) / (std::numbers::pi / 2)));
    const CGFloat step = sweep / segments;
    const CGFloat k = 4.0 / 3.0 * std::tan(step / 4) * radius;
    CGFloat angle = start;
    for (int i = 0; i < segments; ++i) {
        const CGFloat next = angle + step;
        const CGPoint p0 = pointOnCircle(centre, radius, angle);
        const CGPoint p3 = pointOnCircle(centre, radius, next);
        const CGPoint c1{p0.x - k * std::sin(angle), p0.y + k * std::cos(angle)};
        const CGPoint c2{p3.x + k * std::sin(next), p3.y - k * std::cos(next)};
        addCurveTo(c1, c2, p3, m);
        angle = next;
    }
}

void CGPath::addArcToPoint(CGPoint corner, CGPoint end, CGFloat radius,
                           const CGAffineTransform& m) {
    if (!currentPoint_)
        return moveTo(corner, m);
    const CGPoint start = CGPointApplyAffineTransform(*currentPoint_, CGAffineTransformInvert(m));
    const CGFloat ax = start.x - corner.x, ay = start.y - corner.y;
    const CGFloat bx = end.x - corner.x, by = end.y - corner.y;
    const CGFloat lengthA = std::hypot(ax, ay), lengthB = std::hypot(bx, by);
    const CGFloat cross = ax * by - ay * bx;
    // Degenerate corners (coincident points, straight lines, no radius) become a plain line.
    if (lengthA == 0 || lengthB == 0 || cross == 0 || !(radius > 0) || !std::isfinite(radius)) {
        return addLineTo(corner, m);
    }
    const CGFloat ux = ax / lengthA, uy = ay / lengthA, vx = bx / lengthB, vy = by / lengthB;
    const CGFloat halfAngle = std::acos(std::clamp(ux * vx + uy * vy, -1.0, 1.0)) / 2;
    const CGFloat tangentDistance = radius / std::tan(halfAngle);
    const CGFloat bisectorLength = std::hypot(ux + vx, uy + vy);
    const CGFloat centreDistance = radius / std::sin(halfAngle);
    const CGPoint centre{corner.x + (ux + vx) / bisectorLength * centreDistance,
                         corner.y + (uy + vy) / bisectorLength * centreDistance};
    const CGPoint t1{corner.x + ux * tangentDistance, corner.y + uy * tangentDistance};
    const CGPoint t2{corner.x + vx * tangentDistance, corner.y + vy * tangentDistance};
    const CGFloat a1 = std::atan2(t1.y - centre.y, t1.x - centre.x);
    const CGFloat a2 = std::atan2(t2.y - centre.y, t2.x - centre.x);
    // Turning left (start→corner→end, y up) sweeps with increasing angle.
    addArc(centre, radius, a1, a2, cross > 0, m);
}

void CGPath::addRect(CGRect rect, const CGAffineTransform& m) {
    rect = CGRectStandardize(rect);
    const CGFloat x0 = rect.origin.x, y0 = rect.origin.y;
    const CGFloat x1 = x0 + rect.size.width, y1 = y0 + rect.size.height;
    moveTo({x0, y0}, m);
    addLineTo({x1, y0}, m);
    addLineTo({x1, y1}, m);
    addLineTo({x0, y1}, m);
    closeSubpath();
}

void CGPath::addEllipseInRect(CGRect rect, const CGAffineTransform& m) {
    rect = CGRectStandardize(rect);
    const CGFloat rx = rect.size.width / 2, ry = rect.size.height / 2;
    // A unit circle scaled into the rectangle, so the arc code builds the quarter segments.
    const CGAffineTransform toRect = CGAffineTransformConcat(
        CGAffineTransformMake(rx, 0, 0, ry, rect.origin.x + rx, rect.origin.y + ry), m);
    moveTo({1, 0}, toRect);
    appendArcSegments({0, 0}, 1, 0, kTwoPi, toRect);
    closeSubpath();
}

void CGPath::addPath(const CGPath& other, const CGAffineTransform& m) {
    for (const Element& element : other.elements_) {
        switch (element.type) {
            case ElementType::MoveTo:
                moveTo(element.points[0], m);
                break;
            case ElementType::LineTo:
                addLineTo(element.points[0], m);
                break;
            case ElementType::CurveTo:
                addCurveTo(element.points[0], element.points[1], element.points[2], m);
                break;
            case ElementType::Close:
                closeSubpath();
                break;
        }
    }
}

void CGPath::closeSubpath() {
    if (!currentPoint_ || elements_.empty() || elements_.back().type == ElementType::Close)
        return;
    elements_.push_back({ElementType::Close, {}});
    currentPoint_ = subpathStart_;
}

CGRect CGPath::boundingBox() const {
    CGRect box = CGRectNull;
    for (const Element& element : elements_) {
        const int count = element.type == ElementType::CurveTo ? 3
                          : element.type == ElementType::Close ? 0
                                                               : 1;
        for (int i = 0; i < count; ++i) {
            box = CGRectUnion(box, CGRectMake(element.points[i].x, element.points[i].y, 0, 0));
        }
    }
    return box;
}

CGMutablePathRef CGPathCreateMutable() {
    return std::make_shared<CGPath>();
}

CGMutablePathRef CGPathCreateMutableCopy(const CGPathRef& path) {
    return path ? std::make_shared<CGPath>(*path) : CGPathCreateMutable();
}

namespace {
const CGAffineTransform& orIdentity(const CGAffineTransform* m) {
    return m ? *m : CGAffineTransformIdentity;
}
}  // namespace

void CGPathMoveToPoint(const CGMutablePathRef& path, const CGAffineTransform* m, CGFloat x,
                       CGFloat y) {
    if (path)
        path->moveTo({x, y}, orIdentity(m));
}

void CGPathAddLineToPoint(const CGMutablePathRef& path, const CGAffineTransform* m, CGFloat x,
                          CGFloat y) {
    if (path)
        path->addLineTo({x, y}, orIdentity(m));
}

void CGPathAddQuadCurveToPoint(const CGMutablePathRef& path, const CGAffineTransform* m,
                               CGFloat cpx, CGFloat cpy, CGFloat x, CGFloat y) {
    if (path)
        path->addQuadCurveTo({cpx, cpy}, {x, y}, orIdentity(m));
}

void CGPathAddCurveToPoint(const CGMutablePathRef& path, const CGAffineTransform* m, CGFloat cp1x,
                           CGFloat cp1y, CGFloat cp2x, CGFloat cp2y, CGFloat x, CGFloat y) {
    if (path)
        path->addCurveTo({cp1x, cp1y}, {cp2x, cp2y}, {x, y}, orIdentity(m));
}

void CGPathAddArc(const CGMutablePathRef& path, const CGAffineTransform* m, CGFloat x, CGFloat y,
                  CGFloat radius, CGFloat startAngle, CGFloat endAngle, bool clockwise) {
    if (path)
        path->addArc({x, y}, radius, startAngle, endAngle, clockwise, orIdentity(m));
}

void CGPathAddArcToPoint(const CGMutablePathRef& path, const CGAffineTransform* m, CGFloat x1,
                         CGFloat y1, CGFloat x2, CGFloat y2, CGFloat radius) {
    if (path)
        path->addArcToPoint({x1, y1}, {x2, y2}, radius, orIdentity(m));
}

void CGPathAddRect(const CGMutablePathRef& path, const CGAffineTransform* m, CGRect rect) {
    if (path)
        path->addRect(rect, orIdentity(m));
}

void CGPathAddEllipseInRect(const CGMutablePathRef& path, const CGAffineTransform* m, CGRect rect) {
    if (path)
        path->addEllipseInRect(rect, orIdentity(m));
}

void CGPathAddPath(const CGMutablePathRef& path, const CGAffineTransform* m,
                   const CGPathRef& other) {
    if (path && other)
        path->addPath(*other, orIdentity(m));
}

void CGPathCloseSubpath(const CGMutablePathRef& path) {
    if (path)
        path->closeSubpath();
}

bool CGPathIsEmpty(const CGPathRef& path) {
    return !path || path->isEmpty();
}

CGRect CGPathGetBoundingBox(const CGPathRef& path) {
    return path ? path->boundingBox() : CGRectNull;
}

CGPoint CGPathGetCurrentPoint(const CGPathRef& path) {
    return path ? path->currentPoint().value_or(CGPointZero) : CGPointZero;
}

bool CGPathContainsPoint(const CGPathRef& path, const CGAffineTransform* m, CGPoint point,
                         bool evenOdd) {
    if (!path)
        return false;
    return detail::pathContainsPoint(*path, CGPointApplyAffineTransform(point, orIdentity(m)),
                                     evenOdd);
}
