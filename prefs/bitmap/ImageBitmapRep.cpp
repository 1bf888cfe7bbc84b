#include "prefs/bitmap/ImageBitmapRep.h"

#include <algorithm>
#include <cmath>

#include "prefs/bitmap/BitmapCropManipulator.h"
#include "prefs/bitmap/BitmapDrawManipulator.h"
#include "prefs/bitmap/BitmapRotationManipulator.h"
#include "prefs/bitmap/BitmapScaleManipulator.h"

Class ImageBitmapRep::classObject() {
    static const Class cls =
        defineClass<ImageBitmapRep>("ImageBitmapRep", BitmapContextRep::classObject());
    return cls;
}

std::shared_ptr<ImageBitmapRep> ImageBitmapRep::imageBitmapRepWithCGSize(CGSize size) {
    return initWithSize(BMPointFromSize(size));
}

BMPixel ImageBitmapRep::getPixelAtPoint(BMPoint point) {
    std::array<uint8_t, 4> raw{};
    BitmapContextRep::getRawPixel_atPoint(raw, point);
    if (raw[3] == 0) return {};
    const double alpha = raw[3] / 255.0;
    return {(raw[0] / 255.0) / alpha, (raw[1] / 255.0) / alpha, (raw[2] / 255.0) / alpha, alpha};
}

std::shared_ptr<UIImage> ImageBitmapRep::image() {
    return ImageFromCGImage(CGImage());
}

void ImageBitmapRep::invertColors() {
    const BMPoint size = bitmapSize();
    for (int64_t y = 0; y < size.y; ++y) {
        for (int64_t x = 0; x < size.x; ++x) {
            std::array<uint8_t, 4> raw{};
            BitmapContextRep::getRawPixel_atPoint(raw, {x, y});
            for (int i = 0; i < 3; ++i) raw[i] = static_cast<uint8_t>(~raw[i]);
            BitmapContextRep::setRawPixel_atPoint(raw, {x, y});
        }
    }
}

void ImageBitmapRep::setBrightness(double factor) {
    NSAssert(factor >= 0 && factor <= 2, "Brightness must be between 0 and 2.");
    const BMPoint size = bitmapSize();
    for (int64_t y = 0; y < size.y; ++y) {
        for (int64_t x = 0; x < size.x; ++x) {
            BMPixel pixel = getPixelAtPoint({x, y});
            pixel.red = std::min(pixel.red * factor, 1.0);
            pixel.green = std::min(pixel.green * factor, 1.0);
            pixel.blue = std::min(pixel.blue * factor, 1.0);
            setPixel_atPoint(pixel, {x, y});
        }
    }
}

std::shared_ptr<ImageBitmapRep> ImageBitmapRep::copyWithZone() {
    const BMPoint size = bitmapSize();
    auto copy = initWithSize(size);
    if (!copy) return nullptr;
    CGContextDrawImage(copy->context(), CGRectMake(0, 0, size.x, size.y), CGImage());
    copy->setNeedsUpdate(true);
    return copy;
}

void ImageBitmapRep::cropFrame(CGRect frame) {
    forwardInvocation<void(CGRect)>("cropFrame:", frame);
}

void ImageBitmapRep::cropTopFrame(CGRect frame) {
    forwardInvocation<void(CGRect)>("cropTopFrame:", frame);
}

void ImageBitmapRep::cropTopEllipse(CGRect frame) {
    forwardInvocation<void(CGRect)>("cropTopEllipse:", frame);
}

CGImageRef ImageBitmapRep::croppedImageWithFrame(CGRect frame) {
    return forwardInvocation<CGImageRef(CGRect)>("croppedImageWithFrame:", frame);
}

void ImageBitmapRep::setSize(BMPoint size) {
    forwardInvocation<void(BMPoint)>("setSize:", size);
}

void ImageBitmapRep::setSizeFittingFrame(BMPoint size) {
    forwardInvocation<void(BMPoint)>("setSizeFittingFrame:", size);
}

void ImageBitmapRep::setSizeFillingFrame(BMPoint size) {
    forwardInvocation<void(BMPoint)>("setSizeFillingFrame:", size);
}

void ImageBitmapRep::rotate(double degrees) {
    forwardInvocation<void(double)>("rotate:", degrees);
}

CGImageRef ImageBitmapRep::imageByRotating(double degrees) {
    return forwardInvocation<CGImageRef(double)>("imageByRotating:", degrees);
}

void ImageBitmapRep::drawImage_inRect(const CGImageRef& image, CGRect rect) {
    forwardInvocation<void(const CGImageRef&, CGRect)>("drawImage:inRect:", image, rect);
}

void ImageBitmapRep::drawEllipseInFrame_color(CGRect frame, const std::shared_ptr<UIColor>& color) {
    forwardInvocation<void(CGRect, const std::shared_ptr<UIColor>&)>(
        "drawEllipseInFrame:color:", frame, color);
}

void ImageBitmapRep::setQuality(double quality) {
    NSAssert(quality >= 0 && quality <= 1, "Quality must be between 0 and 1.");
    if (quality == 1) return;
    const BMPoint size = bitmapSize();
    setSize({std::llround(static_cast<double>(size.x) * quality),
             std::llround(static_cast<double>(size.y) * quality)});
    setSize(size);
}

void ImageBitmapRep::generateBaseClasses() {
    const auto self = std::static_pointer_cast<ImageBitmapRep>(shared_from_this());
    baseClasses_ = {std::make_shared<BitmapCropManipulator>(self),
                    std::make_shared<BitmapScaleManipulator>(self),
                    std::make_shared<BitmapRotationManipulator>(self),
                    std::make_shared<BitmapDrawManipulator>(self)};
}

NSObject* ImageBitmapRep::manipulatorFor(SEL selector) {
    if (baseClasses_.empty()) generateBaseClasses();
    for (const auto& manipulator : baseClasses_) {
        if (manipulator->respondsToSelector(selector)) return manipulator.get();
    }
    return nullptr;
}
