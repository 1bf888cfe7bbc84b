#pragma once

#include <array>
#include <cstdint>

#include "platform/graphics/CGContext.h"

// Reads pixels of tiny test bitmaps by row from the top, whatever the context's layout.
struct Argb {
    int a, r, g, b;
    friend bool operator==(const Argb&, const Argb&) = default;
};

// A premultiplied-first (A,R,G,B in memory) context with its own zeroed memory.
inline CGContextRef makeArgbContext(size_t width, size_t height) {
    return CGBitmapContextCreate(nullptr, width, height, 8, width * 4,
                                 CGColorSpaceCreateDeviceRGB(), kCGImageAlphaPremultipliedFirst);
}

// For A,R,G,B contexts and native (32-bit little order: B,G,R,A in memory) ones.
inline Argb argbAt(const CGContextRef& context, size_t x, size_t row) {
    const auto* p = static_cast<const uint8_t*>(CGBitmapContextGetData(context)) +
                    row * CGBitmapContextGetBytesPerRow(context) + x * 4;
    if ((CGBitmapContextGetBitmapInfo(context) & kCGBitmapByteOrderMask) ==
        kCGBitmapByteOrder32Little) {
        return {p[3], p[2], p[1], p[0]};
    }
    return {p[0], p[1], p[2], p[3]};
}

inline int alphaAt(const CGContextRef& context, size_t x, size_t row) {
    return argbAt(context, x, row).a;
}

inline Argb imagePixel(const CGImageRef& image, size_t x, size_t row) {
    const uint32_t p = image->pixelAt(x, row);
    return {static_cast<int>(p >> 24), static_cast<int>((p >> 16) & 0xff),
            static_cast<int>((p >> 8) & 0xff), static_cast<int>(p & 0xff)};
}
