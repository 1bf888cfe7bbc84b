#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "prefs/bitmap/BMPixel.h"
#include "prefs/bitmap/BitmapContextRep.h"

// A bitmap rep with colour-level pixel access. Colours are stored premultiplied: reading back
// gives the stored bytes divided out again, so colours of translucent pixels come back quantised.
class ImageBitmapRep : public BitmapContextRep {
    RUNTIME_CLASS(ImageBitmapRep)
    using BitmapContextRep::BitmapContextRep;

    static std::shared_ptr<ImageBitmapRep> initWithSize(BMPoint size) {
        return withSize<ImageBitmapRep>(size);
    }
    static std::shared_ptr<ImageBitmapRep> initWithImage(const std::shared_ptr<UIImage>& image) {
        return withImage<ImageBitmapRep>(image);
    }
    // Each side rounded to the nearest whole number, halves away from zero.
    static std::shared_ptr<ImageBitmapRep> imageBitmapRepWithCGSize(CGSize size);
    static std::shared_ptr<ImageBitmapRep> imageBitmapRepWithImage(
        const std::shared_ptr<UIImage>& image) {
        return initWithImage(image);
    }

    // A fully transparent pixel has no colour to recover and reads as all zeros.
    BMPixel getPixelAtPoint(BMPoint point);
    // Components outside 0…1 (NaN included) and points outside the bitmap are caller errors.
    // Inline and free of any image work: the colour wheel stores every pixel through here, and
    // the snapshot is only retaken when the image is next asked for.
    void setPixel_atPoint(const BMPixel& pixel, BMPoint point) {
        NSAssert(isUnit(pixel.red), "Pixel color must range from 0 to 1.");
        NSAssert(isUnit(pixel.green), "Pixel color must range from 0 to 1.");
        NSAssert(isUnit(pixel.blue), "Pixel color must range from 0 to 1.");
        NSAssert(isUnit(pixel.alpha), "Pixel color must range from 0 to 1.");
        const double alpha = pixel.alpha;
        const std::array<uint8_t, 4> raw{
            roundedByte(pixel.red * 255 * alpha), roundedByte(pixel.green * 255 * alpha),
            roundedByte(pixel.blue * 255 * alpha), roundedByte(alpha * 255)};
        BitmapContextRep::setRawPixel_atPoint(raw, point);
    }
    // The current bitmap as a platform image; null without a context.
    std::shared_ptr<UIImage> image();

    // Complements the stored colour bytes as they are (premultiplied); alpha is kept.
    void invertColors();
    // Multiplies each colour component by `factor` (0…2), capped at 1.
    void setBrightness(double factor);
    // A new rep with the same pixels; null for a rep without a context.
    std::shared_ptr<ImageBitmapRep> copyWithZone();

  private:
    static bool isUnit(double component) { return component >= 0 && component <= 1; }
    // Halves away from zero, for 0…255; exact where adding 0.5 would round up early.
    static uint8_t roundedByte(double value) {
        const auto whole = static_cast<uint8_t>(value);
        return static_cast<uint8_t>(whole + (value - whole >= 0.5 ? 1 : 0));
    }
};
