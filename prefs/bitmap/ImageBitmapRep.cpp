#include "prefs/bitmap/ImageBitmapRep.h"

#include <algorithm>

#include "platform/runtime/Runtime.h"

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
    if (raw[3] == 0)
        return {};
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
            for (int i = 0; i < 3; ++i)
                raw[i] = static_cast<uint8_t>(~raw[i]);
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
    if (!copy)
        return nullptr;
    CGContextDrawImage(copy->context(), CGRectMake(0, 0, size.x, size.y), CGImage());
    copy->setNeedsUpdate(true);
    return copy;
}
