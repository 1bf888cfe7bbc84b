#include "prefs/bitmap/BitmapRotationManipulator.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/graphics/GraphicsStateSaver.h"
#include "platform/runtime/Runtime.h"

Class BitmapRotationManipulator::classObject() {
    static const Class cls = defineClass<BitmapRotationManipulator>(
        "BitmapRotationManipulator", BitmapContextManipulator::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "rotate:", +[](id self, SEL, double degrees) {
                    static_cast<BitmapRotationManipulator*>(self)->rotate(degrees);
                });
            c.addMethod(
                "imageByRotating:", +[](id self, SEL, double degrees) {
                    return static_cast<BitmapRotationManipulator*>(self)->imageByRotating(degrees);
                });
        });
    return cls;
}

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr float kDegreesPerRadian = 57.29578f;

// Where the turned image goes. The mixed single and double precision steps are kept as they
// have always been, so that sizes and offsets come out to the same whole pixels.
struct RotationLayout {
    CGSize size;
    CGPoint translation;  // whole pixels
    CGPoint imageOrigin;  // whole pixels, in the turned coordinates
};

RotationLayout layoutFor(CGSize extent, double degrees, bool roundSizeUp) {
    const double hw = extent.width / 2, hh = extent.height / 2;
    const double radius = std::sqrt(hw * hw + hh * hh);
    const std::array<float, 4> corners{
        static_cast<float>(std::atan2(hh, hw)), static_cast<float>(std::atan2(hh, -hw)),
        static_cast<float>(std::atan2(-hh, -hw)), static_cast<float>(std::atan2(-hh, hw))};
    double minX = HUGE_VAL, maxX = -HUGE_VAL, minY = HUGE_VAL, maxY = -HUGE_VAL;
    for (const float corner : corners) {
        const double theta = (corner * kDegreesPerRadian + degrees) * kRadiansPerDegree;
        const double x = radius * std::cos(theta), y = radius * std::sin(theta);
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    double width = maxX - minX, height = maxY - minY;
    if (roundSizeUp) {
        width = std::ceil(width);
        height = std::ceil(height);
    }
    const double halfWidth = width / 2, halfHeight = height / 2;
    const double turnedRadius = std::sqrt(halfWidth * halfWidth + halfHeight * halfHeight);
    const auto phi = static_cast<float>(std::atan2(halfHeight, halfWidth));
    const auto theta = static_cast<float>((phi * static_cast<double>(kDegreesPerRadian) + degrees) *
                                          kRadiansPerDegree);
    const auto tx = static_cast<float>(halfWidth - turnedRadius * std::cos(theta));
    const auto ty = static_cast<float>(halfHeight - turnedRadius * std::sin(theta));
    return {CGSizeMake(width, height), CGPointMake(std::round(tx), std::round(ty)),
            CGPointMake(std::round(halfWidth - hw), std::round(halfHeight - hh))};
}

}  // namespace

CGContextRef BitmapRotationManipulator::rotatedContext(double degrees, Rounding rounding) {
    const CGImageRef image = CGImage();
    const CGSize extent = bitmapExtent();
    const RotationLayout layout = layoutFor(extent, degrees, rounding == Rounding::Up);
    return drawnContext(layout.size, [&](const CGContextRef& context) {
        const GraphicsStateSaver saver(context);
        CGContextTranslateCTM(context, layout.translation.x, layout.translation.y);
        CGContextRotateCTM(context, degrees * kRadiansPerDegree);
        CGContextDrawImage(
            context,
            CGRectMake(layout.imageOrigin.x, layout.imageOrigin.y, extent.width, extent.height),
            image);
    });
}

void BitmapRotationManipulator::rotate(double degrees) {
    if (degrees != 0) setContext(rotatedContext(degrees, Rounding::Nearest));
}

CGImageRef BitmapRotationManipulator::imageByRotating(double degrees) {
    if (degrees == 0) return CGImage();
    return CGBitmapContextCreateImage(rotatedContext(degrees, Rounding::Up));
}
