#pragma once

#include <cstddef>
#include <memory>

#include "platform/graphics/CGAffineTransform.h"
#include "platform/graphics/CGBitmapInfo.h"
#include "platform/graphics/CGColor.h"
#include "platform/graphics/CGGradient.h"
#include "platform/graphics/CGImage.h"
#include "platform/graphics/CGPath.h"

// A drawing context over a bitmap. User space starts as the bitmap's pixels with the origin at
// the bottom-left and y up; the current transformation matrix (CTM) maps user space onto it.
// Contexts are owned through CGContextRef; a context made over caller memory draws straight into
// it and never frees it. A context is used by one thread at a time.
class CGContext;
using CGContextRef = std::shared_ptr<CGContext>;

enum CGLineCap : int { kCGLineCapButt = 0, kCGLineCapRound = 1, kCGLineCapSquare = 2 };
enum CGLineJoin : int { kCGLineJoinMiter = 0, kCGLineJoinRound = 1, kCGLineJoinBevel = 2 };

enum CGPathDrawingMode : int {
    kCGPathFill = 0,
    kCGPathEOFill = 1,
    kCGPathStroke = 2,
    kCGPathFillStroke = 3,
    kCGPathEOFillStroke = 4,
};

enum CGBlendMode : int {
    kCGBlendModeNormal = 0,
    kCGBlendModeMultiply = 1,
    kCGBlendModeScreen = 2,
    kCGBlendModeOverlay = 3,
    kCGBlendModeDarken = 4,
    kCGBlendModeLighten = 5,
    kCGBlendModeColorDodge = 6,
    kCGBlendModeColorBurn = 7,
    kCGBlendModeSoftLight = 8,
    kCGBlendModeHardLight = 9,
    kCGBlendModeDifference = 10,
    kCGBlendModeExclusion = 11,
    kCGBlendModeHue = 12,
    kCGBlendModeSaturation = 13,
    kCGBlendModeColor = 14,
    kCGBlendModeLuminosity = 15,
    kCGBlendModeClear = 16,
    kCGBlendModeCopy = 17,
    kCGBlendModeSourceIn = 18,
    kCGBlendModeSourceOut = 19,
    kCGBlendModeSourceAtop = 20,
    kCGBlendModeDestinationOver = 21,
    kCGBlendModeDestinationIn = 22,
    kCGBlendModeDestinationOut = 23,
    kCGBlendModeDestinationAtop = 24,
    kCGBlendModeXOR = 25,
    kCGBlendModePlusDarker = 26,  // drawn as normal: pixman has no such operator
    kCGBlendModePlusLighter = 27,
};

// Bitmap contexts. Supported layouts, 8 bits per component:
//   device RGB, premultiplied first: A,R,G,B in memory (32-bit little order: B,G,R,A);
//   device RGB, premultiplied last:  R,G,B,A in memory (32-bit little order: A,B,G,R);
//   device RGB, none-skip first/last: as above with the alpha byte ignored (opaque);
//   no colour space, alpha only: one byte per pixel.
// Null `data` makes the context allocate zeroed memory of its own; a zero `bytesPerRow` means
// the tightest. Unsupported combinations, zero sizes, rows too short or not a multiple of four
// bytes, and sizes beyond 32767 pixels give null and are logged.
CGContextRef CGBitmapContextCreate(void* data, size_t width, size_t height, size_t bitsPerComponent,
                                   size_t bytesPerRow, const CGColorSpaceRef& space,
                                   CGBitmapInfo bitmapInfo);
void* CGBitmapContextGetData(const CGContextRef& context);
size_t CGBitmapContextGetWidth(const CGContextRef& context);
size_t CGBitmapContextGetHeight(const CGContextRef& context);
size_t CGBitmapContextGetBytesPerRow(const CGContextRef& context);
size_t CGBitmapContextGetBitsPerComponent(const CGContextRef& context);
size_t CGBitmapContextGetBitsPerPixel(const CGContextRef& context);
CGBitmapInfo CGBitmapContextGetBitmapInfo(const CGContextRef& context);
CGImageAlphaInfo CGBitmapContextGetAlphaInfo(const CGContextRef& context);
CGColorSpaceRef CGBitmapContextGetColorSpace(const CGContextRef& context);
// An immutable copy of the current pixels.
CGImageRef CGBitmapContextCreateImage(const CGContextRef& context);

// Graphics state. Save pushes the whole state (CTM, colours, line style, blend mode, alpha, clip,
// shadow); restore without a matching save does nothing.
void CGContextSaveGState(const CGContextRef& context);
void CGContextRestoreGState(const CGContextRef& context);
CGAffineTransform CGContextGetCTM(const CGContextRef& context);
void CGContextConcatCTM(const CGContextRef& context, const CGAffineTransform& transform);
void CGContextTranslateCTM(const CGContextRef& context, CGFloat tx, CGFloat ty);
void CGContextScaleCTM(const CGContextRef& context, CGFloat sx, CGFloat sy);
void CGContextRotateCTM(const CGContextRef& context, CGFloat angle);

void CGContextSetFillColorWithColor(const CGContextRef& context, const CGColorRef& color);
void CGContextSetStrokeColorWithColor(const CGContextRef& context, const CGColorRef& color);
void CGContextSetRGBFillColor(const CGContextRef& context, CGFloat red, CGFloat green, CGFloat blue,
                              CGFloat alpha);
void CGContextSetRGBStrokeColor(const CGContextRef& context, CGFloat red, CGFloat green,
                                CGFloat blue, CGFloat alpha);
void CGContextSetGrayFillColor(const CGContextRef& context, CGFloat gray, CGFloat alpha);
void CGContextSetGrayStrokeColor(const CGContextRef& context, CGFloat gray, CGFloat alpha);
void CGContextSetAlpha(const CGContextRef& context, CGFloat alpha);
void CGContextSetBlendMode(const CGContextRef& context, CGBlendMode mode);
void CGContextSetLineWidth(const CGContextRef& context, CGFloat width);
void CGContextSetLineCap(const CGContextRef& context, CGLineCap cap);
void CGContextSetLineJoin(const CGContextRef& context, CGLineJoin join);
void CGContextSetMiterLimit(const CGContextRef& context, CGFloat limit);
void CGContextSetShouldAntialias(const CGContextRef& context, bool shouldAntialias);
// Shadow offset and blur are in the context's base space (not affected by the CTM): pixels with
// y up for a plain bitmap context, points with y down for UIKit contexts. A null colour or a
// zero offset and blur turn the shadow off. The default colour is black at alpha 1/3.
void CGContextSetShadowWithColor(const CGContextRef& context, CGSize offset, CGFloat blur,
                                 const CGColorRef& color);
void CGContextSetShadow(const CGContextRef& context, CGSize offset, CGFloat blur);

// The current path, built in user space through the CTM in force when each piece is added.
// Painting or clipping consumes it.
void CGContextBeginPath(const CGContextRef& context);
void CGContextMoveToPoint(const CGContextRef& context, CGFloat x, CGFloat y);
void CGContextAddLineToPoint(const CGContextRef& context, CGFloat x, CGFloat y);
void CGContextAddLines(const CGContextRef& context, const CGPoint* points, size_t count);
void CGContextAddCurveToPoint(const CGContextRef& context, CGFloat cp1x, CGFloat cp1y, CGFloat cp2x,
                              CGFloat cp2y, CGFloat x, CGFloat y);
void CGContextAddQuadCurveToPoint(const CGContextRef& context, CGFloat cpx, CGFloat cpy, CGFloat x,
                                  CGFloat y);
// `clockwise` 1 sweeps clockwise in user space with y up: decreasing angles. In a flipped (y-down)
// context that appears counter-clockwise on screen.
void CGContextAddArc(const CGContextRef& context, CGFloat x, CGFloat y, CGFloat radius,
                     CGFloat startAngle, CGFloat endAngle, int clockwise);
void CGContextAddArcToPoint(const CGContextRef& context, CGFloat x1, CGFloat y1, CGFloat x2,
                            CGFloat y2, CGFloat radius);
void CGContextAddRect(const CGContextRef& context, CGRect rect);
void CGContextAddEllipseInRect(const CGContextRef& context, CGRect rect);
void CGContextAddPath(const CGContextRef& context, const CGPathRef& path);
void CGContextClosePath(const CGContextRef& context);
bool CGContextIsPathEmpty(const CGContextRef& context);
CGPoint CGContextGetPathCurrentPoint(const CGContextRef& context);
CGRect CGContextGetPathBoundingBox(const CGContextRef& context);

void CGContextDrawPath(const CGContextRef& context, CGPathDrawingMode mode);
void CGContextFillPath(const CGContextRef& context);
void CGContextEOFillPath(const CGContextRef& context);
void CGContextStrokePath(const CGContextRef& context);
void CGContextFillRect(const CGContextRef& context, CGRect rect);
void CGContextStrokeRect(const CGContextRef& context, CGRect rect);
void CGContextStrokeRectWithWidth(const CGContextRef& context, CGRect rect, CGFloat width);
void CGContextFillEllipseInRect(const CGContextRef& context, CGRect rect);
void CGContextStrokeEllipseInRect(const CGContextRef& context, CGRect rect);
// Makes the rectangle transparent (within the clip).
void CGContextClearRect(const CGContextRef& context, CGRect rect);

// Clipping intersects the clip with the current path (consumed), a rectangle, or an image's
// alpha drawn into `rect` (outside the rectangle nothing is drawn).
void CGContextClip(const CGContextRef& context);
void CGContextEOClip(const CGContextRef& context);
void CGContextClipToRect(const CGContextRef& context, CGRect rect);
void CGContextClipToMask(const CGContextRef& context, CGRect rect, const CGImageRef& mask);
// In user space; the whole context when nothing is clipped.
CGRect CGContextGetClipBoundingBox(const CGContextRef& context);

// Draws the image upright in user space with y up (top row at the rectangle's max y), resampled
// bilinearly when scaled or turned.
void CGContextDrawImage(const CGContextRef& context, CGRect rect, const CGImageRef& image);
void CGContextDrawLinearGradient(const CGContextRef& context, const CGGradientRef& gradient,
                                 CGPoint startPoint, CGPoint endPoint,
                                 CGGradientDrawingOptions options);
void CGContextDrawRadialGradient(const CGContextRef& context, const CGGradientRef& gradient,
                                 CGPoint startCenter, CGFloat startRadius, CGPoint endCenter,
                                 CGFloat endRadius, CGGradientDrawingOptions options);
