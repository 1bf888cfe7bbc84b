#include "prefs/bitmap/BitmapContextManipulator.h"

#include "platform/runtime/Runtime.h"
#include "prefs/bitmap/BitmapContextRep.h"
#include "prefs/bitmap/CGContextCreator.h"

Class BitmapContextManipulator::classObject() {
    static const Class cls =
        defineClass<BitmapContextManipulator>("BitmapContextManipulator", NSObject::classObject());
    return cls;
}

BitmapContextManipulator::BitmapContextManipulator(
    const std::shared_ptr<BitmapContextRep>& bitmapContext)
    : bitmapContext_(bitmapContext) {}

void BitmapContextManipulator::setBitmapContext(
    const std::shared_ptr<BitmapContextRep>& bitmapContext) {
    bitmapContext_ = bitmapContext;
}

CGContextRef BitmapContextManipulator::context() const {
    const auto rep = bitmapContext();
    return rep ? rep->context() : nullptr;
}

void BitmapContextManipulator::setContext(const CGContextRef& context) {
    if (const auto rep = bitmapContext()) rep->setContext(context);
}

BMPoint BitmapContextManipulator::bitmapSize() const {
    const auto rep = bitmapContext();
    return rep ? rep->bitmapSize() : BMPoint{};
}

void BitmapContextManipulator::setNeedsUpdate(bool needsUpdate) {
    if (const auto rep = bitmapContext()) rep->setNeedsUpdate(needsUpdate);
}

void BitmapContextManipulator::getRawPixel_atPoint(std::span<uint8_t, 4> pixel, BMPoint point) {
    if (const auto rep = bitmapContext()) rep->getRawPixel_atPoint(pixel, point);
}

void BitmapContextManipulator::setRawPixel_atPoint(std::span<const uint8_t, 4> pixel,
                                                   BMPoint point) {
    if (const auto rep = bitmapContext()) rep->setRawPixel_atPoint(pixel, point);
}

CGImageRef BitmapContextManipulator::CGImage() {
    const auto rep = bitmapContext();
    return rep ? rep->CGImage() : nullptr;
}

CGContextRef BitmapContextManipulator::drawnContext(CGSize size, const Drawing& draw) {
    CGContextRef context = CGContextCreator::newARGBBitmapContextWithSize(size);
    if (context) draw(context);
    return context;
}

CGSize BitmapContextManipulator::bitmapExtent() const {
    return CGSizeFromBMPoint(bitmapSize());
}
