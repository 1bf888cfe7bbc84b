#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/graphics/CGBitmapInfo.h"
#include "platform/graphics/CGGeometry.h"
#include "platform/graphics/UninitializedAllocator.h"

// An immutable bitmap: 8-bit premultiplied pixels in the native word order (one uint32_t per
// pixel, 0xAARRGGBB; bytes B,G,R,A in memory), rows top to bottom without padding. Opaque images
// come from opaque contexts and PNG files without alpha; their alpha is always 255.
class CGImage {
public:
    // A new image's pixels, not cleared before its maker fills them.
    using Pixels = std::vector<uint32_t, UninitializedAllocator<uint32_t>>;

    CGImage(size_t width, size_t height, Pixels pixels, bool opaque);
    CGImage(size_t width, size_t height, const std::vector<uint32_t>& pixels, bool opaque);

    size_t width() const { return width_; }
    size_t height() const { return height_; }
    bool isOpaque() const { return opaque_; }
    std::span<const uint32_t> pixels() const { return pixels_; }
    uint32_t pixelAt(size_t x, size_t y) const { return pixels_[y * width_ + x]; }

private:
    size_t width_;
    size_t height_;
    Pixels pixels_;
    bool opaque_;
};

using CGImageRef = std::shared_ptr<const CGImage>;

size_t CGImageGetWidth(const CGImageRef& image);
size_t CGImageGetHeight(const CGImageRef& image);
size_t CGImageGetBitsPerComponent(const CGImageRef& image);
size_t CGImageGetBitsPerPixel(const CGImageRef& image);
size_t CGImageGetBytesPerRow(const CGImageRef& image);
CGImageAlphaInfo CGImageGetAlphaInfo(const CGImageRef& image);
CGBitmapInfo CGImageGetBitmapInfo(const CGImageRef& image);
// The pixels inside `rect` (in pixels, origin top-left), or null when they do not overlap.
CGImageRef CGImageCreateWithImageInRect(const CGImageRef& image, CGRect rect);
