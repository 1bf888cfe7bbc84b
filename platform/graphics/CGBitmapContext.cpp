#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "platform/foundation/SystemLog.h"
#include "platform/graphics/CGContext.h"
#include "platform/graphics/detail/CGContext.h"

namespace {

// Cairo and pixman both keep sizes below 2^15.
constexpr size_t kMaximumSide = 32767;

std::optional<pixman_format_code_t> rgbFormat(CGImageAlphaInfo alpha, CGBitmapInfo byteOrder) {
    // Memory order for the default (big) order; 32-bit little order reverses the four bytes.
    const bool little = byteOrder == kCGBitmapByteOrder32Little;
    if (!little && byteOrder != kCGBitmapByteOrderDefault && byteOrder != kCGBitmapByteOrder32Big) {
        return std::nullopt;
    }
    switch (alpha) {
        case kCGImageAlphaPremultipliedFirst:
            return little ? PIXMAN_a8r8g8b8 : PIXMAN_b8g8r8a8;
        case kCGImageAlphaPremultipliedLast:
            return little ? PIXMAN_r8g8b8a8 : PIXMAN_a8b8g8r8;
        case kCGImageAlphaNoneSkipFirst:
            return little ? PIXMAN_x8r8g8b8 : PIXMAN_b8g8r8x8;
        case kCGImageAlphaNoneSkipLast:
            return little ? PIXMAN_r8g8b8x8 : PIXMAN_x8b8g8r8;
        default:
            return std::nullopt;
    }
}

std::optional<CGContext::Layout> layoutFor(size_t bitsPerComponent, const CGColorSpaceRef& space,
                                           CGBitmapInfo info) {
    if (bitsPerComponent != 8 || (info & kCGBitmapFloatComponents))
        return std::nullopt;
    const auto alpha = static_cast<CGImageAlphaInfo>(info & kCGBitmapAlphaInfoMask);
    if (!space) {
        if (alpha != kCGImageAlphaOnly)
            return std::nullopt;
        return CGContext::Layout{PIXMAN_a8, nullptr, info, 8};
    }
    if (space->model() != kCGColorSpaceModelRGB)
        return std::nullopt;
    const auto format = rgbFormat(alpha, info & kCGBitmapByteOrderMask);
    if (!format)
        return std::nullopt;
    return CGContext::Layout{*format, space, info, 32};
}

}  // namespace

CGContextRef CGBitmapContextCreate(void* data, size_t width, size_t height, size_t bitsPerComponent,
                                   size_t bytesPerRow, const CGColorSpaceRef& space,
                                   CGBitmapInfo bitmapInfo) {
    const auto layout = layoutFor(bitsPerComponent, space, bitmapInfo);
    if (!layout) {
        NSLog("CGBitmapContextCreate: unsupported parameter combination: " +
              std::to_string(bitsPerComponent) + " integer bits/component; colour model " +
              std::to_string(CGColorSpaceGetModel(space)) + "; bitmap info " +
              std::to_string(bitmapInfo) + ".");
        return nullptr;
    }
    if (width == 0 || height == 0 || width > kMaximumSide || height > kMaximumSide) {
        NSLog("CGBitmapContextCreate: invalid size " + std::to_string(width) + " x " +
              std::to_string(height) + ".");
        return nullptr;
    }
    const size_t minimumRow = width * layout->bitsPerPixel / 8;
    if (bytesPerRow == 0)
        bytesPerRow = (minimumRow + 3) / 4 * 4;
    if (bytesPerRow < minimumRow || bytesPerRow % 4 != 0 ||
        bytesPerRow > static_cast<size_t>(std::numeric_limits<int>::max())) {
        NSLog("CGBitmapContextCreate: invalid data bytes/row: should be at least " +
              std::to_string(minimumRow) + " and a multiple of 4, not " +
              std::to_string(bytesPerRow) + ".");
        return nullptr;
    }
    std::unique_ptr<uint8_t[]> storage;
    if (!data) {
        storage.reset(new (std::nothrow) uint8_t[bytesPerRow * height]());
        if (!storage) {
            NSLog("CGBitmapContextCreate: unable to allocate " +
                  std::to_string(bytesPerRow * height) + " bytes for bitmap data.");
            return nullptr;
        }
        data = storage.get();
    }
    return std::make_shared<CGContext>(*layout, data, std::move(storage), static_cast<int>(width),
                                       static_cast<int>(height), bytesPerRow);
}

void* CGBitmapContextGetData(const CGContextRef& context) {
    return context ? context->data() : nullptr;
}

size_t CGBitmapContextGetWidth(const CGContextRef& context) {
    return context ? static_cast<size_t>(context->width()) : 0;
}

size_t CGBitmapContextGetHeight(const CGContextRef& context) {
    return context ? static_cast<size_t>(context->height()) : 0;
}

size_t CGBitmapContextGetBytesPerRow(const CGContextRef& context) {
    return context ? context->bytesPerRow() : 0;
}

size_t CGBitmapContextGetBitsPerComponent(const CGContextRef& context) {
    return context ? 8 : 0;
}

size_t CGBitmapContextGetBitsPerPixel(const CGContextRef& context) {
    return context ? context->layout().bitsPerPixel : 0;
}

CGBitmapInfo CGBitmapContextGetBitmapInfo(const CGContextRef& context) {
    return context ? context->layout().bitmapInfo : 0;
}

CGImageAlphaInfo CGBitmapContextGetAlphaInfo(const CGContextRef& context) {
    return static_cast<CGImageAlphaInfo>(CGBitmapContextGetBitmapInfo(context) &
                                         kCGBitmapAlphaInfoMask);
}

CGColorSpaceRef CGBitmapContextGetColorSpace(const CGContextRef& context) {
    return context ? context->layout().space : nullptr;
}

CGImageRef CGBitmapContextCreateImage(const CGContextRef& context) {
    return context ? context->makeImage() : nullptr;
}
