#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "platform/runtime/Runtime.h"
#include "prefs/bitmap/BMPixel.h"
#include "prefs/bitmap/BitmapContextRep.h"

class BitmapContextManipulator;
class UIColor;

// A bitmap rep with colour-level pixel access, and the façade of the whole-image operations,
// which it hands to its manipulators. Colours are stored premultiplied: reading back divides the
// stored bytes out again, so colours of translucent pixels come back quantised.
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

    // Whole-image operations, carried out by the manipulators. Rectangles of the Top variants
    // and of the draw operations measure y from the top edge; cropFrame: from the bottom.
    void cropFrame(CGRect frame);
    void cropTopFrame(CGRect frame);
    void cropTopEllipse(CGRect frame);
    CGImageRef croppedImageWithFrame(CGRect frame);
    void setSize(BMPoint size);
    void setSizeFittingFrame(BMPoint size);
    void setSizeFillingFrame(BMPoint size);
    void rotate(double degrees);
    CGImageRef imageByRotating(double degrees);
    void drawImage_inRect(const CGImageRef& image, CGRect rect);
    void drawEllipseInFrame_color(CGRect frame, const std::shared_ptr<UIColor>& color);

    // Scales down by `quality` (0…1) and back up to the same size, losing detail; 1 does nothing.
    void setQuality(double quality);

    // Runs the call on the first manipulator, in the order crop, scale, rotation, draw, whose
    // class implements `selector`; the four are made together at the first forwarded call. A
    // call that none implements fails as the runtime's unrecognised selector sent to the rep.
    template <class Signature, class... Args>
    decltype(auto) forwardInvocation(SEL selector, Args&&... args) {
        NSObject* manipulator = manipulatorFor(selector);
        return msgSend<Signature>(manipulator ? manipulator : this, selector,
                                  std::forward<Args>(args)...);
    }
    // Empty until the first forwarded call.
    const std::vector<std::shared_ptr<BitmapContextManipulator>>& baseClasses() const {
        return baseClasses_;
    }

private:
    void generateBaseClasses();
    NSObject* manipulatorFor(SEL selector);

    static bool isUnit(double component) { return component >= 0 && component <= 1; }
    // Halves away from zero, for 0…255; exact where adding 0.5 would round up early.
    static uint8_t roundedByte(double value) {
        const auto whole = static_cast<uint8_t>(value);
        return static_cast<uint8_t>(whole + (value - whole >= 0.5 ? 1 : 0));
    }

    std::vector<std::shared_ptr<BitmapContextManipulator>> baseClasses_;
};
