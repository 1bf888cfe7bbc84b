#include "platform/ui/layers/detail/ConvexPolygon.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace detail {

ConvexPolygon polygonOfRect(CGRect rect) {
    const CGFloat x0 = CGRectGetMinX(rect), x1 = CGRectGetMaxX(rect);
    const CGFloat y0 = CGRectGetMinY(rect), y1 = CGRectGetMaxY(rect);
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

ConvexPolygon polygonOfRoundedRect(CGRect rect, CGFloat radius, CGFloat pixelsPerUnit) {
    rect = CGRectStandardize(rect);
    radius = std::min({radius, rect.size.width / 2, rect.size.height / 2});
    if (!(radius > 0)) return polygonOfRect(rect);
    // Segments short enough that the flattened arc strays less than a tenth of a pixel.
    const double pixels = radius * std::clamp(pixelsPerUnit, 0.01, 16.0);
    const int segments =
        std::clamp(static_cast<int>(std::ceil(std::numbers::pi / 4 /
                                              std::acos(1 - std::min(0.1 / pixels, 1.0)))),
                   2, 64);
    const CGFloat x0 = CGRectGetMinX(rect) + radius, x1 = CGRectGetMaxX(rect) - radius;
    const CGFloat y0 = CGRectGetMinY(rect) + radius, y1 = CGRectGetMaxY(rect) - radius;
    const CGPoint centres[] = {{x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}};
    ConvexPolygon polygon;
    polygon.reserve(4 * (segments + 1));
    for (int corner = 0; corner < 4; ++corner) {
        // Clockwise on screen (y down), starting with the top-right corner's arc.
        const double start = (corner - 1) * std::numbers::pi / 2;
        for (int i = 0; i <= segments; ++i) {
            const double angle = start + i * (std::numbers::pi / 2) / segments;
            polygon.push_back({centres[corner].x + radius * std::cos(angle),
                               centres[corner].y + radius * std::sin(angle)});
        }
    }
    return polygon;
}

ConvexPolygon clipToHalfPlane(const ConvexPolygon& polygon, double a, double b, double c) {
    ConvexPolygon result;
    const size_t count = polygon.size();
    for (size_t i = 0; i < count; ++i) {
        const CGPoint p = polygon[i], q = polygon[(i + 1) % count];
        const double dp = a * p.x + b * p.y + c, dq = a * q.x + b * q.y + c;
        if (dp >= 0) result.push_back(p);
        if ((dp >= 0) != (dq >= 0)) {
            const double t = dp / (dp - dq);
            result.push_back({p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)});
        }
    }
    return result;
}

ConvexPolygon project(const ConvexPolygon& polygon, const Homography& map) {
    // Keep a little in front of the eye: points near w = 0 land absurdly far away.
    constexpr double kNearestW = 1e-3;
    const auto& bottom = map.m[2];
    ConvexPolygon visible =
        map.isAffine() ? polygon
                       : clipToHalfPlane(polygon, bottom[0], bottom[1], bottom[2] - kNearestW);
    for (CGPoint& point : visible) point = map.apply(point);
    return visible;
}

CGRect boundingBox(const ConvexPolygon& polygon) {
    if (polygon.empty()) return CGRectNull;
    CGFloat minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
    for (CGPoint p : polygon) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    return {{minX, minY}, {maxX - minX, maxY - minY}};
}

}  // namespace detail
