#include "platform/ui/views/detail/RoundedRectPath.h"

#include <algorithm>

void addRoundedRectPath(const CGContextRef& context, CGRect rect, CGFloat radius) {
    addRoundedRectPath(context, rect, radius, radius);
}

void addRoundedRectPath(const CGContextRef& context, CGRect rect, CGFloat topRadius,
                        CGFloat bottomRadius) {
    rect = CGRectStandardize(rect);
    const CGFloat limit = std::min(rect.size.width, rect.size.height) / 2;
    topRadius = std::clamp<CGFloat>(topRadius, 0, limit);
    bottomRadius = std::clamp<CGFloat>(bottomRadius, 0, limit);
    const CGFloat minX = CGRectGetMinX(rect), midX = CGRectGetMidX(rect),
                  maxX = CGRectGetMaxX(rect);
    const CGFloat minY = CGRectGetMinY(rect), midY = CGRectGetMidY(rect),
                  maxY = CGRectGetMaxY(rect);
    CGContextMoveToPoint(context, minX, midY);
    CGContextAddArcToPoint(context, minX, minY, midX, minY, topRadius);
    CGContextAddArcToPoint(context, maxX, minY, maxX, midY, topRadius);
    CGContextAddArcToPoint(context, maxX, maxY, midX, maxY, bottomRadius);
    CGContextAddArcToPoint(context, minX, maxY, minX, midY, bottomRadius);
    CGContextClosePath(context);
}
