#include "platform/ui/text/detail/RoundedRectPath.h"

#include <algorithm>

void addRoundedRectPath(const CGContextRef& context, CGRect rect, CGFloat radius) {
    rect = CGRectStandardize(rect);
    radius = std::clamp<CGFloat>(radius, 0, std::min(rect.size.width, rect.size.height) / 2);
    const CGFloat minX = CGRectGetMinX(rect), midX = CGRectGetMidX(rect),
                  maxX = CGRectGetMaxX(rect);
    const CGFloat minY = CGRectGetMinY(rect), midY = CGRectGetMidY(rect),
                  maxY = CGRectGetMaxY(rect);
    CGContextMoveToPoint(context, minX, midY);
    CGContextAddArcToPoint(context, minX, minY, midX, minY, radius);
    CGContextAddArcToPoint(context, maxX, minY, maxX, midY, radius);
    CGContextAddArcToPoint(context, maxX, maxY, midX, maxY, radius);
    CGContextAddArcToPoint(context, minX, maxY, minX, midY, radius);
    CGContextClosePath(context);
}
