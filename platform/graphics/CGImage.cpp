#include "platform/graphics/CGImage.h"

#include <cmath>

#include "platform/foundation/NSAssertionHandler.h"

CGImage::CGImage(size_t width, size_t height, Pixels pixels, bool opaque)
    : width_(width), height_(height), pixels_(std::move(pixels)), opaque_(opaque) {
    NSAssert(pixels_.size() == width_ * height_, "Pixel count must match the image size.");
}

CGImage::CGImage(size_t width, size_t height, const std::vector<uint32_t>& pixels, bool opaque)
    : CGImage(width, height, Pixels(pixels.begin(), pixels.end()), opaque) {}

size_t CGImageGetWidth(const CGImageRef& image) {
    return image ? image->width() : 0;
}
size_t CGImageGetHeight(const CGImageRef& image) {
    return image ? image->height() : 0;
}
size_t CGImageGetBitsPerComponent(const CGImageRef& image) {
    return image ? 8 : 0;
}
size_t CGImageGetBitsPerPixel(const CGImageRef& image) {
    return image ? 32 : 0;
}
size_t CGImageGetBytesPerRow(const CGImageRef& image) {
    return image ? image->width() * 4 : 0;
}

CGImageAlphaInfo CGImageGetAlphaInfo(const CGImageRef& image) {
    if (!image) return kCGImageAlphaNone;
    return image->isOpaque() ? kCGImageAlphaNoneSkipFirst : kCGImageAlphaPremultipliedFirst;
}

CGBitmapInfo CGImageGetBitmapInfo(const CGImageRef& image) {
    return image ? CGImageGetAlphaInfo(image) | kCGBitmapByteOrder32Little : 0;
}

CGImageRef CGImageCreateWithImageInRect(const CGImageRef& image, CGRect rect) {
    if (!image) return nullptr;
    const CGRect bounds = CGRectMake(0, 0, image->width(), image->height());
    const CGRect area = CGRectIntegral(CGRectIntersection(bounds, rect));
    if (CGRectIsEmpty(area)) return nullptr;
    const auto x0 = static_cast<size_t>(area.origin.x), y0 = static_cast<size_t>(area.origin.y);
    const auto width = static_cast<size_t>(area.size.width);
    const auto height = static_cast<size_t>(area.size.height);
    CGImage::Pixels pixels;
    pixels.reserve(width * height);
    for (size_t y = y0; y < y0 + height; ++y) {
        const auto row = image->pixels().subspan(y * image->width() + x0, width);
        pixels.insert(pixels.end(), row.begin(), row.end());
    }
    return std::make_shared<const CGImage>(width, height, std::move(pixels), image->isOpaque());
}
