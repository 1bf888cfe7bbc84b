#pragma once

#include <cstdint>
#include <span>

#include "platform/graphics/CGContext.h"
#include "prefs/bitmap/BMPoint.h"

// What the manipulators reach through a rep: its context, size, raw pixels and snapshot.
class BitmapContextRepProtocol {
public:
    virtual ~BitmapContextRepProtocol() = default;

    virtual CGContextRef context() const = 0;
    virtual void setContext(const CGContextRef& context) = 0;
    // Width and height of the context in pixels; 0 × 0 without one.
    virtual BMPoint bitmapSize() const = 0;
    virtual void setNeedsUpdate(bool needsUpdate) = 0;
    // Stored (premultiplied) bytes in the order red, green, blue, alpha.
    virtual void getRawPixel_atPoint(std::span<uint8_t, 4> pixel, BMPoint point) = 0;
    virtual void setRawPixel_atPoint(std::span<const uint8_t, 4> pixel, BMPoint point) = 0;
    // A snapshot of the bitmap; the shared handle keeps it valid after the rep replaces it.
    virtual CGImageRef CGImage() = 0;
};
