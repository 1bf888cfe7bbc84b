#include "prefs/colorpicker/ThumbImages.h"

#include <iterator>

#include "platform/graphics/CGContext.h"
#include "platform/graphics/UIImage.h"
#include "prefs/bitmap/CGContextCreator.h"

namespace {

// √3/2 in single precision: the sides' slope.
constexpr CGFloat kSlope = 0.8660253882408142;

// A transparent context of the size, y up, filling black and stroking white; null when there is
// no such bitmap.
CGContextRef thumbContext(CGSize size) {
    const CGContextRef context = CGContextCreator::newARGBBitmapContextWithSize(size);
    if (!context) return nullptr;
    CGContextSetRGBFillColor(context, 0, 0, 0, 1);
    CGContextSetRGBStrokeColor(context, 1, 1, 1, 1);
    return context;
}

std::shared_ptr<UIImage> imageOf(const CGContextRef& context) {
    if (!context) return nullptr;
    return UIImage::imageWithCGImage_scale_orientation(CGBitmapContextCreateImage(context), 1,
                                                       UIImageOrientationUp);
}

}  // namespace

std::shared_ptr<UIImage> HourGlassThumbImage(CGSize size, CGFloat neckWidth) {
    const CGContextRef context = thumbContext(size);
    if (!context) return nullptr;
    const CGFloat w = size.width, h = size.height, c = neckWidth;
    const CGPoint outline[] = {
        {0, -1},    {w, -1},    {w / 2 + c / 2, w * kSlope},     {w / 2 + c / 2, h - w * kSlope},
        {w, h + 1}, {0, h + 1}, {w / 2 - c / 2, h - w * kSlope}, {w / 2 - c / 2, w * kSlope}};
    CGContextAddLines(context, outline, std::size(outline));
    CGContextFillPath(context);
    CGContextAddLines(context, outline, std::size(outline));
    CGContextClosePath(context);
    CGContextSetLineWidth(context, 1);
    CGContextStrokePath(context);
    return imageOf(context);
}

std::shared_ptr<UIImage> ArrowLoopThumbImage(CGSize size, CGSize innerSize) {
    const CGContextRef context = thumbContext(size);
    if (!context) return nullptr;
    const CGRect hole{
        {(size.width - innerSize.width) * 0.5, (size.height - innerSize.height) * 0.5}, innerSize};
    CGContextAddRect(context, CGRectMake(0, 0, size.width, size.height));
    CGContextAddRect(context, hole);
    CGContextEOFillPath(context);
    CGContextSetLineWidth(context, 1);
    CGContextStrokeRect(context, hole);
    return imageOf(context);
}
