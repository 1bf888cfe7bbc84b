#include "platform/graphics/CGGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

const CGRect CGRectNull = CGRectMake(std::numeric_limits<CGFloat>::infinity(),
                                     std::numeric_limits<CGFloat>::infinity(), 0, 0);

CGRect CGRectStandardize(CGRect rect) {
    if (rect.size.width < 0) {
        rect.origin.x += rect.size.width;
        rect.size.width = -rect.size.width;
    }
    if (rect.size.height < 0) {
        rect.origin.y += rect.size.height;
        rect.size.height = -rect.size.height;
    }
    return rect;
}

CGFloat CGRectGetMinX(CGRect rect) {
    return CGRectStandardize(rect).origin.x;
}
CGFloat CGRectGetMinY(CGRect rect) {
    return CGRectStandardize(rect).origin.y;
}
CGFloat CGRectGetWidth(CGRect rect) {
    return std::abs(rect.size.width);
}
CGFloat CGRectGetHeight(CGRect rect) {
    return std::abs(rect.size.height);
}
CGFloat CGRectGetMidX(CGRect rect) {
    return CGRectGetMinX(rect) + CGRectGetWidth(rect) / 2;
}
CGFloat CGRectGetMidY(CGRect rect) {
    return CGRectGetMinY(rect) + CGRectGetHeight(rect) / 2;
}
CGFloat CGRectGetMaxX(CGRect rect) {
    return CGRectGetMinX(rect) + CGRectGetWidth(rect);
}
CGFloat CGRectGetMaxY(CGRect rect) {
    return CGRectGetMinY(rect) + CGRectGetHeight(rect);
}

bool CGRectIsNull(CGRect rect) {
    return std::isinf(rect.origin.x) || std::isinf(rect.origin.y);
}

bool CGRectIsEmpty(CGRect rect) {
    return CGRectIsNull(rect) || rect.size.width == 0 || rect.size.height == 0;
}

bool CGRectContainsPoint(CGRect rect, CGPoint point) {
    return !CGRectIsNull(rect) && point.x >= CGRectGetMinX(rect) && point.x < CGRectGetMaxX(rect) &&
           point.y >= CGRectGetMinY(rect) && point.y < CGRectGetMaxY(rect);
}

bool CGRectIntersectsRect(CGRect a, CGRect b) {
    return !CGRectIsEmpty(CGRectIntersection(a, b));
}

CGRect CGRectInset(CGRect rect, CGFloat dx, CGFloat dy) {
    rect = CGRectStandardize(rect);
    rect.origin.x += dx;
    rect.origin.y += dy;
    rect.size.width -= 2 * dx;
    rect.size.height -= 2 * dy;
    return rect.size.width < 0 || rect.size.height < 0 ? CGRectNull : rect;
}

CGRect CGRectOffset(CGRect rect, CGFloat dx, CGFloat dy) {
    rect.origin.x += dx;
    rect.origin.y += dy;
    return rect;
}

CGRect CGRectIntegral(CGRect rect) {
    if (CGRectIsNull(rect))
        return rect;
    const CGFloat minX = std::floor(CGRectGetMinX(rect));
    const CGFloat minY = std::floor(CGRectGetMinY(rect));
    return CGRectMake(minX, minY, std::ceil(CGRectGetMaxX(rect)) - minX,
                      std::ceil(CGRectGetMaxY(rect)) - minY);
}

CGRect CGRectUnion(CGRect a, CGRect b) {
    if (CGRectIsNull(a))
        return CGRectStandardize(b);
    if (CGRectIsNull(b))
        return CGRectStandardize(a);
    const CGFloat minX = std::min(CGRectGetMinX(a), CGRectGetMinX(b));
    const CGFloat minY = std::min(CGRectGetMinY(a), CGRectGetMinY(b));
    return CGRectMake(minX, minY, std::max(CGRectGetMaxX(a), CGRectGetMaxX(b)) - minX,
                      std::max(CGRectGetMaxY(a), CGRectGetMaxY(b)) - minY);
}

CGRect CGRectIntersection(CGRect a, CGRect b) {
    if (CGRectIsNull(a) || CGRectIsNull(b))
        return CGRectNull;
    const CGFloat minX = std::max(CGRectGetMinX(a), CGRectGetMinX(b));
    const CGFloat minY = std::max(CGRectGetMinY(a), CGRectGetMinY(b));
    const CGFloat maxX = std::min(CGRectGetMaxX(a), CGRectGetMaxX(b));
    const CGFloat maxY = std::min(CGRectGetMaxY(a), CGRectGetMaxY(b));
    if (maxX < minX || maxY < minY)
        return CGRectNull;
    return CGRectMake(minX, minY, maxX - minX, maxY - minY);
}
