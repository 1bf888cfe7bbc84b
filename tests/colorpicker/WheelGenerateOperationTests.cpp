#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "platform/foundation/NSAssertionHandler.h"
#include "platform/graphics/PNGCodec.h"
#include "prefs/bitmap/ImageBitmapRep.h"
#include "prefs/colorpicker/ColorFunctions.h"
#include "prefs/colorpicker/WheelGenerateOperation.h"

namespace {

struct HSV {
    double hue, saturation, brightness;
};

HSV hsvAt(const std::shared_ptr<ImageBitmapRep>& rep, int64_t x, int64_t y) {
    HSV c{};
    HSVFromPixel(rep->getPixelAtPoint({x, y}), &c.hue, &c.saturation, &c.brightness);
    return c;
}

std::shared_ptr<ImageBitmapRep> render(double diameter, double padding) {
    WheelGenerateOperation operation(diameter, padding);
    operation.start();
    return operation.bitmap();
}

}  // namespace

TEST(WheelGenerateOperation, ExecutesUntilItsBitmapIsThere) {
    WheelGenerateOperation operation(8, 1);
    EXPECT_EQ(operation.diameter(), 8);
    EXPECT_EQ(operation.padding(), 1);
    EXPECT_TRUE(operation.isConcurrent());
    EXPECT_TRUE(operation.isExecuting());
    EXPECT_FALSE(operation.isFinished());
    EXPECT_EQ(operation.bitmap(), nullptr);

    operation.start();
    ASSERT_NE(operation.bitmap(), nullptr);
    EXPECT_EQ(operation.bitmap()->bitmapSize(), BMPointMake(8, 8));
    EXPECT_FALSE(operation.isExecuting());
    EXPECT_TRUE(operation.isFinished());
}

TEST(WheelGenerateOperation, RedRightWhiteCentreHueCounterClockwiseSaturatedCorners) {
    const auto wheel = render(600, 22);
    ASSERT_NE(wheel, nullptr);
    ASSERT_EQ(wheel->bitmapSize(), BMPointMake(600, 600));

    EXPECT_EQ(wheel->getPixelAtPoint({599, 300}), BMPixelMake(1, 0, 0, 1));
    EXPECT_EQ(wheel->getPixelAtPoint({300, 300}), BMPixelMake(1, 1, 1, 1));
    // Straight up: hue a quarter (yellow-green), stored to a byte.
    EXPECT_NEAR(hsvAt(wheel, 300, 0).hue, 0.25, 0.5 / 255);
    EXPECT_EQ(hsvAt(wheel, 300, 0).saturation, 1);
    EXPECT_NEAR(hsvAt(wheel, 0, 300).hue, 0.5, 0.5 / 255);
    EXPECT_NEAR(hsvAt(wheel, 300, 599).hue, 0.75, 0.5 / 255);
    for (const BMPoint corner :
         {BMPoint{0, 0}, BMPoint{599, 0}, BMPoint{0, 599}, BMPoint{599, 599}})
        EXPECT_EQ(hsvAt(wheel, corner.x, corner.y).saturation, 1);
    EXPECT_EQ(wheel->getPixelAtPoint({0, 0}), BMPixelMake(0, 1, 64 / 255.0, 1));

    // Saturation grows with the distance up to the usable radius of 278 pixels.
    EXPECT_NEAR(hsvAt(wheel, 439, 300).saturation, 139.0 / 278, 0.5 / 255);
    EXPECT_EQ(hsvAt(wheel, 578, 300).saturation, 1);

    // Every pixel is opaque at full brightness.
    const auto* bytes = static_cast<const uint8_t*>(CGBitmapContextGetData(wheel->context()));
    for (size_t k = 0; k < 600 * 600; ++k) {
        const uint8_t* p = bytes + 4 * k;
        ASSERT_EQ(p[0], 255) << k;
        ASSERT_EQ(std::max({p[1], p[2], p[3]}), 255) << k;
    }
}

// Checked by eye when it was made: red right, yellow-green up, cyan left, violet down, white
// centre. The vector and scalar paths may differ by a step where an angle differs by an ulp.
TEST(WheelGenerateOperation, MatchesTheReferenceImage) {
    const auto reference = PNGCodec::readFile(
        (std::filesystem::path(PLAKKO_TESTS_DIR) / "colorpicker/wheel-96px-padding-22.png")
            .string());
    ASSERT_NE(reference, nullptr);
    const CGImageRef wheel = render(96, 22)->CGImage();
    ASSERT_EQ(CGImageGetWidth(wheel), CGImageGetWidth(reference));
    ASSERT_EQ(CGImageGetHeight(wheel), CGImageGetHeight(reference));
    for (size_t y = 0; y < 96; ++y) {
        for (size_t x = 0; x < 96; ++x) {
            const uint32_t a = wheel->pixelAt(x, y), b = reference->pixelAt(x, y);
            for (int shift = 0; shift < 32; shift += 8) {
                ASSERT_LE(std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                   static_cast<int>((b >> shift) & 0xFF)),
                          1)
                    << x << "," << y;
            }
        }
    }
}

TEST(WheelGenerateOperation, OddDiametersCentreBetweenPixels) {
    const auto wheel = render(5, 0);
    ASSERT_EQ(wheel->bitmapSize(), BMPointMake(5, 5));
    // Offsets are taken at pixel corners, so with a centre at 2.5 no pixel is white, and the
    // four around the centre share one saturation.
    const double saturation = hsvAt(wheel, 2, 2).saturation;
    EXPECT_GT(saturation, 0);
    EXPECT_EQ(hsvAt(wheel, 3, 3).saturation, saturation);
    EXPECT_NEAR(hsvAt(wheel, 3, 2).hue, 0.125, 0.5 / 255);
}

TEST(WheelGenerateOperation, PaddingBeyondTheRadiusSaturatesEverything) {
    for (const double padding : {4.0, 9.0}) {
        const auto wheel = render(8, padding);
        EXPECT_EQ(hsvAt(wheel, 4, 4).saturation, 1);
        EXPECT_EQ(hsvAt(wheel, 0, 0).saturation, 1);
    }
}

TEST(WheelGenerateOperation, RefusesFractionalAndEmptyDiameters) {
    EXPECT_THROW(WheelGenerateOperation(600.5, 22), AssertionFailure);
    EXPECT_THROW(WheelGenerateOperation(0, 22), AssertionFailure);
    EXPECT_THROW(WheelGenerateOperation(std::nan(""), 22), AssertionFailure);
    EXPECT_THROW(WheelGenerateOperation(600, INFINITY), AssertionFailure);
}
