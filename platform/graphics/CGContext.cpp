#include "platform/graphics/CGContext.h"

#include <cmath>

#include "platform/graphics/detail/CGContext.h"

namespace {

CGColorRef rgbColor(CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha) {
    const CGFloat components[] = {red, green, blue, alpha};
    return CGColorCreate(CGColorSpaceCreateDeviceRGB(), components);
}

CGColorRef grayColor(CGFloat gray, CGFloat alpha) {
    const CGFloat components[] = {gray, alpha};
    return CGColorCreate(CGColorSpaceCreateDeviceGray(), components);
}

// Adds to the current path through the CTM.
template <typename Build>
void buildPath(const CGContextRef& context, Build build) {
    if (context)
        build(context->path(), context->deviceTransform());
}

}  // namespace

void CGContextSaveGState(const CGContextRef& context) {
    if (context)
        context->save();
}

void CGContextRestoreGState(const CGContextRef& context) {
    if (context)
        context->restore();
}

CGAffineTransform CGContextGetCTM(const CGContextRef& context) {
    return context ? context->state().ctm : CGAffineTransformIdentity;
}

void CGContextConcatCTM(const CGContextRef& context, const CGAffineTransform& transform) {
    if (context)
        context->state().ctm = CGAffineTransformConcat(transform, context->state().ctm);
}

void CGContextTranslateCTM(const CGContextRef& context, CGFloat tx, CGFloat ty) {
    CGContextConcatCTM(context, CGAffineTransformMakeTranslation(tx, ty));
}

void CGContextScaleCTM(const CGContextRef& context, CGFloat sx, CGFloat sy) {
    CGContextConcatCTM(context, CGAffineTransformMakeScale(sx, sy));
}

void CGContextRotateCTM(const CGContextRef& context, CGFloat angle) {
    CGContextConcatCTM(context, CGAffineTransformMakeRotation(angle));
}

void CGContextSetFillColorWithColor(const CGContextRef& context, const CGColorRef& color) {
    if (context && color)
        context->state().fillColor = color;
}

void CGContextSetStrokeColorWithColor(const CGContextRef& context, const CGColorRef& color) {
    if (context && color)
        context->state().strokeColor = color;
}

void CGContextSetRGBFillColor(const CGContextRef& context, CGFloat red, CGFloat green, CGFloat blue,
                              CGFloat alpha) {
    CGContextSetFillColorWithColor(context, rgbColor(red, green, blue, alpha));
}

void CGContextSetRGBStrokeColor(const CGContextRef& context, CGFloat red, CGFloat green,
                                CGFloat blue, CGFloat alpha) {
    CGContextSetStrokeColorWithColor(context, rgbColor(red, green, blue, alpha));
}

void CGContextSetGrayFillColor(const CGContextRef& context, CGFloat gray, CGFloat alpha) {
    CGContextSetFillColorWithColor(context, grayColor(gray, alpha));
}

void CGContextSetGrayStrokeColor(const CGContextRef& context, CGFloat gray, CGFloat alpha) {
    CGContextSetStrokeColorWithColor(context, grayColor(gray, alpha));
}

void CGContextSetAlpha(const CGContextRef& context, CGFloat alpha) {
    if (context)
        context->state().alpha = std::isnan(alpha) ? 0 : std::clamp(alpha, 0.0, 1.0);
}

void CGContextSetBlendMode(const CGContextRef& context, CGBlendMode mode) {
    if (context && mode >= kCGBlendModeNormal && mode <= kCGBlendModePlusLighter) {
        context->state().blendMode = mode;
    }
}

void CGContextSetLineWidth(const CGContextRef& context, CGFloat width) {
    if (context && width >= 0 && std::isfinite(width))
        context->state().lineWidth = width;
}

void CGContextSetLineCap(const CGContextRef& context, CGLineCap cap) {
    if (context && cap >= kCGLineCapButt && cap <= kCGLineCapSquare)
        context->state().lineCap = cap;
}

void CGContextSetLineJoin(const CGContextRef& context, CGLineJoin join) {
    if (context && join >= kCGLineJoinMiter && join <= kCGLineJoinBevel) {
        context->state().lineJoin = join;
    }
}

void CGContextSetMiterLimit(const CGContextRef& context, CGFloat limit) {
    if (context && limit >= 1 && std::isfinite(limit))
        context->state().miterLimit = limit;
}

void CGContextSetShouldAntialias(const CGContextRef& context, bool shouldAntialias) {
    if (context)
        context->state().antialias = shouldAntialias;
}

void CGContextSetShadowWithColor(const CGContextRef& context, CGSize offset, CGFloat blur,
                                 const CGColorRef& color) {
    if (!context)
        return;
    const bool valid =
        std::isfinite(offset.width) && std::isfinite(offset.height) && std::isfinite(blur);
    context->state().shadow = {offset, valid ? std::max(blur, 0.0) : 0, valid ? color : nullptr};
}

void CGContextSetShadow(const CGContextRef& context, CGSize offset, CGFloat blur) {
    CGContextSetShadowWithColor(context, offset, blur, grayColor(0, 1.0 / 3.0));
}

void CGContextBeginPath(const CGContextRef& context) {
    if (context)
        context->path() = {};
}

void CGContextMoveToPoint(const CGContextRef& context, CGFloat x, CGFloat y) {
    buildPath(context, [&](CGPath& path, const CGAffineTransform& m) { path.moveTo({x, y}, m); });
}

void CGContextAddLineToPoint(const CGContextRef& context, CGFloat x, CGFloat y) {
    buildPath(context, [&](CGPath& path, const CGAffineTransform& m) {
        path.addLineTo({x, y}, m);
    });
}

void CGContextAddLines(const CGContextRef& context, const CGPoint* points, size_t count) {
    buildPath(context, [&](CGPath& path, const CGAffineTransform& m) {
        for (size_t i = 0; i < count; ++i) {
            if (i == 0) {
                path.moveTo(points[i], m);
            } else {
                path.addLineTo(points[i], m);
            }
        }
    });
}

void CGContextAddCurveToPoint(const CGContextRef& context, CGFloat cp1x, CGFloat cp1y, CGFloat cp2x,
                              CGFloat cp2y, CGFloat x, CGFloat y) {
    buildPath(context, [&](CGPath& path, const CGAffineTransform& m) {
        path.addCurveTo({cp1x, cp1y}, {cp2x, cp2y}, {x, y}, m);
    });
}

void CGContextAddQuadCurveToPoint(const CGContextRef& context, CGFloat cpx, CGFloat cpy, CGFloat x,
                                  CGFloat y) {
    buildPath(context, [&](CGPath& path, const CGAffineTransform& m) {
        path.addQuadCurveTo({cpx, cpy}, {x, y}, m);
    });
}

void CGContextAddArc(const CGContextRef& context, CGFloat x, CGFloat y, CGFloat radius,
                     CGFloat startAngle, CGFloat endAngle, int clockwise) {
    buildPath(context, [&](CGPath& path, const CGAffineTransform& m) {
        path.addArc({x, y}, radius, startAngle, endAngle, clockwise != 0, m);
    });
}

void CGContextAddArcToPoint(const CGContextRef& context, CGFloat x1, CGFloat y1, CGFloat x2,
                            CGFloat y2, CGFloat radius) {
    buildPath(context, [&](CGPath& path, const CGAffineTransform& m) {
        path.addArcToPoint({x1, y1}, {x2, y2}, radius, m);
    });
}

void CGContextAddRect(const CGContextRef& context, CGRect rect) {
    buildPath(context, [&](CGPath& path, const CGAffineTransform& m) { path.addRect(rect, m); });
}

void CGContextAddEllipseInRect(const CGContextRef& context, CGRect rect) {
    buildPath(context,
              [&](CGPath& path, const CGAffineTransform& m) { path.addEllipseInRect(rect, m); });
}

void CGContextAddPath(const CGContextRef& context, const CGPathRef& other) {
    if (!other)
        return;
    buildPath(context, [&](CGPath& path, const CGAffineTransform& m) { path.addPath(*other, m); });
}

void CGContextClosePath(const CGContextRef& context) {
    if (context)
        context->path().closeSubpath();
}

bool CGContextIsPathEmpty(const CGContextRef& context) {
    return !context || context->path().isEmpty();
}

CGPoint CGContextGetPathCurrentPoint(const CGContextRef& context) {
    if (!context || !context->path().currentPoint())
        return CGPointZero;
    return CGPointApplyAffineTransform(*context->path().currentPoint(),
                                       CGAffineTransformInvert(context->deviceTransform()));
}

CGRect CGContextGetPathBoundingBox(const CGContextRef& context) {
    if (!context || context->path().isEmpty())
        return CGRectNull;
    return CGRectApplyAffineTransform(context->path().boundingBox(),
                                      CGAffineTransformInvert(context->deviceTransform()));
}

void CGContextDrawPath(const CGContextRef& context, CGPathDrawingMode mode) {
    if (!context)
        return;
    switch (mode) {
        case kCGPathFill:
        case kCGPathEOFill:
            context->fillPath(mode == kCGPathEOFill);
            break;
        case kCGPathStroke:
            context->strokePath();
            break;
        case kCGPathFillStroke:
        case kCGPathEOFillStroke: {
            const CGPath path = context->path();
            context->fillPath(mode == kCGPathEOFillStroke);
            context->path() = path;
            context->strokePath();
            break;
        }
    }
}

void CGContextFillPath(const CGContextRef& context) {
    CGContextDrawPath(context, kCGPathFill);
}
void CGContextEOFillPath(const CGContextRef& context) {
    CGContextDrawPath(context, kCGPathEOFill);
}
void CGContextStrokePath(const CGContextRef& context) {
    CGContextDrawPath(context, kCGPathStroke);
}

void CGContextFillRect(const CGContextRef& context, CGRect rect) {
    CGContextBeginPath(context);
    CGContextAddRect(context, rect);
    CGContextFillPath(context);
}

void CGContextStrokeRect(const CGContextRef& context, CGRect rect) {
    CGContextBeginPath(context);
    CGContextAddRect(context, rect);
    CGContextStrokePath(context);
}

void CGContextStrokeRectWithWidth(const CGContextRef& context, CGRect rect, CGFloat width) {
    if (!context)
        return;
    const CGFloat saved = context->state().lineWidth;
    CGContextSetLineWidth(context, width);
    CGContextStrokeRect(context, rect);
    context->state().lineWidth = saved;
}

void CGContextFillEllipseInRect(const CGContextRef& context, CGRect rect) {
    CGContextBeginPath(context);
    CGContextAddEllipseInRect(context, rect);
    CGContextFillPath(context);
}

void CGContextStrokeEllipseInRect(const CGContextRef& context, CGRect rect) {
    CGContextBeginPath(context);
    CGContextAddEllipseInRect(context, rect);
    CGContextStrokePath(context);
}

void CGContextClearRect(const CGContextRef& context, CGRect rect) {
    if (!context)
        return;
    detail::GraphicsState& state = context->state();
    const detail::GraphicsState saved = state;
    state.blendMode = kCGBlendModeClear;
    state.alpha = 1;
    state.shadow = {};
    CGContextFillRect(context, rect);
    state = saved;
}

void CGContextClip(const CGContextRef& context) {
    if (context)
        context->clipToPath(false);
}

void CGContextEOClip(const CGContextRef& context) {
    if (context)
        context->clipToPath(true);
}

void CGContextClipToRect(const CGContextRef& context, CGRect rect) {
    CGContextBeginPath(context);
    CGContextAddRect(context, rect);
    CGContextClip(context);
}

void CGContextClipToMask(const CGContextRef& context, CGRect rect, const CGImageRef& mask) {
    if (context && mask)
        context->clipToMask(rect, *mask);
}

CGRect CGContextGetClipBoundingBox(const CGContextRef& context) {
    return context ? context->clipBoundingBoxInUserSpace() : CGRectNull;
}

void CGContextDrawImage(const CGContextRef& context, CGRect rect, const CGImageRef& image) {
    if (context && image)
        context->drawImage(rect, *image);
}

void CGContextDrawLinearGradient(const CGContextRef& context, const CGGradientRef& gradient,
                                 CGPoint startPoint, CGPoint endPoint,
                                 CGGradientDrawingOptions options) {
    if (context && gradient) {
        context->drawGradient(*gradient, {startPoint, endPoint, 0, 0, false}, options);
    }
}

void CGContextDrawRadialGradient(const CGContextRef& context, const CGGradientRef& gradient,
                                 CGPoint startCenter, CGFloat startRadius, CGPoint endCenter,
                                 CGFloat endRadius, CGGradientDrawingOptions options) {
    if (context && gradient) {
        context->drawGradient(
            *gradient, {startCenter, endCenter, std::abs(startRadius), std::abs(endRadius), true},
            options);
    }
}
