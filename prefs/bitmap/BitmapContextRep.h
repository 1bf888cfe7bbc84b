#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "platform/foundation/NSAssertionHandler.h"
#include "platform/runtime/NSObject.h"
#include "prefs/bitmap/BitmapContextRepProtocol.h"
#include "prefs/bitmap/CGContextCreator.h"
#include "prefs/bitmap/ImageConversion.h"

class UIImage;

// Holds one bitmap context made by CGContextCreator, with direct access to its bytes and a
// snapshot image that is taken only when asked for after a change. The rep owns its context,
// and through it the buffer. Every pixel read or write, a new context and the draw operations
// mark the snapshot stale; code drawing into context() itself calls setNeedsUpdate(true). A rep
// is used by one thread at a time.
class BitmapContextRep : public NSObject, public BitmapContextRepProtocol {
    RUNTIME_CLASS(BitmapContextRep)
    // A null context makes a rep that reads as 0 × 0 and gives no image.
    explicit BitmapContextRep(const CGContextRef& context);

    // Null when either side is 0; a rep without a context when none could be made.
    static std::shared_ptr<BitmapContextRep> initWithSize(BMPoint size) {
        return withSize<BitmapContextRep>(size);
    }
    static std::shared_ptr<BitmapContextRep> initWithImage(const std::shared_ptr<UIImage>& image) {
        return withImage<BitmapContextRep>(image);
    }

    CGContextRef context() const override { return context_; }
    // The context must be null or in the creator's layout.
    void setContext(const CGContextRef& context) override;
    BMPoint bitmapSize() const override { return {width_, height_}; }
    void setNeedsUpdate(bool needsUpdate) override { needsUpdate_ = needsUpdate; }
    // A point outside the bitmap is a caller error. Inline: whole-bitmap loops go through these.
    void getRawPixel_atPoint(std::span<uint8_t, 4> pixel, BMPoint point) override {
        const uint8_t* bytes = pixelBytes(point);
        pixel[0] = bytes[1];
        pixel[1] = bytes[2];
        pixel[2] = bytes[3];
        pixel[3] = bytes[0];
        needsUpdate_ = true;
    }
    void setRawPixel_atPoint(std::span<const uint8_t, 4> pixel, BMPoint point) override {
        uint8_t* bytes = pixelBytes(point);
        bytes[0] = pixel[3];
        bytes[1] = pixel[0];
        bytes[2] = pixel[1];
        bytes[3] = pixel[2];
        needsUpdate_ = true;
    }
    CGImageRef CGImage() override;
    // An image that holds the bitmap's `pixels` (whole pixels, rows from the top edge, inside
    // the bitmap), and in `covered` the part of the bitmap it shows: the snapshot while it is
    // current, else a copy of just those pixels, for operations that are about to replace the
    // bitmap and need not snapshot all of it. The snapshot stays as it was.
    CGImageRef imageCovering(CGRect pixels, CGRect& covered);

protected:
    template <class Rep>
    static std::shared_ptr<Rep> withSize(BMPoint size) {
        if (size.x == 0 || size.y == 0) return nullptr;
        return std::make_shared<Rep>(
            CGContextCreator::newARGBBitmapContextWithSize(CGSizeFromBMPoint(size)));
    }
    template <class Rep>
    static std::shared_ptr<Rep> withImage(const std::shared_ptr<UIImage>& image) {
        const CGImageRef pixels = CGImageFromImage(image);
        auto rep = std::make_shared<Rep>(CGContextCreator::newARGBBitmapContextWithImage(pixels));
        // The new bitmap holds exactly the image's pixels, so the image is its snapshot: the
        // first operation need not copy the whole bitmap back out.
        if (rep->context_) {
            rep->lastImage_ = pixels;
            rep->needsUpdate_ = false;
        }
        return rep;
    }

private:
    // Memory order A,R,G,B; a pixel starts at (x + width × y) × 4.
    uint8_t* pixelBytes(BMPoint point) const {
        NSAssert(point.x >= 0 && point.x < width_, "Point must be within bitmap.");
        NSAssert(point.y >= 0 && point.y < height_, "Point must be within bitmap.");
        return bitmapData_ + (point.x + width_ * point.y) * 4;
    }

    CGContextRef context_;
    uint8_t* bitmapData_ = nullptr;  // the context's buffer, owned through context_
    int64_t width_ = 0;
    int64_t height_ = 0;
    CGImageRef lastImage_;
    bool needsUpdate_ = true;
};
