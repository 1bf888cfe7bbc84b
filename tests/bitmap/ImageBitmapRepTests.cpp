#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "platform/foundation/SystemLog.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"
#include "prefs/bitmap/ImageBitmapRep.h"
#include "tests/bitmap/BitmapProbe.h"

namespace {

std::shared_ptr<ImageBitmapRep> makeRep(int64_t width, int64_t height) {
    auto rep = ImageBitmapRep::initWithSize(BMPointMake(width, height));
    EXPECT_NE(rep, nullptr);
    return rep;
}

TEST(ImageBitmapRepPixels, StoresPremultipliedBytesAlphaFirstInMemory) {
    const auto rep = makeRep(3, 2);
    rep->setPixel_atPoint(BMPixelMake(0.5, 0.25, 1.0, 1.0), {2, 1});
    EXPECT_EQ(memoryAt(rep, {2, 1}), (Raw{255, 128, 64, 255}));
    EXPECT_EQ(rep->getPixelAtPoint({2, 1}), BMPixelMake(128 / 255.0, 64 / 255.0, 1.0, 1.0));

    rep->setPixel_atPoint(BMPixelMake(1.0, 0.0, 0.2, 0.5), {0, 0});
    EXPECT_EQ(memoryAt(rep, {0, 0}), (Raw{128, 128, 0, 26}));
    const BMPixel back = rep->getPixelAtPoint({0, 0});
    EXPECT_EQ(back.red, 1.0);
    EXPECT_EQ(back.alpha, 128 / 255.0);

    Raw raw{};
    rep->getRawPixel_atPoint(raw, {0, 0});
    EXPECT_EQ(raw, (Raw{128, 0, 26, 128}));
    rep->setRawPixel_atPoint(Raw{1, 2, 3, 4}, {1, 1});
    EXPECT_EQ(memoryAt(rep, {1, 1}), (Raw{4, 1, 2, 3}));
}

TEST(ImageBitmapRepPixels, RoundsHalvesAwayFromZeroWithoutEarlyRounding) {
    const auto rep = makeRep(1, 1);
    // 0.5 × 255 = 127.5 → 128; the largest double below 0.5 must not round up.
    rep->setPixel_atPoint(BMPixelMake(0.5, std::nextafter(0.5 / 255, 0.0), 0, 1), {0, 0});
    EXPECT_EQ(memoryAt(rep, {0, 0}), (Raw{255, 128, 0, 0}));
}

TEST(ImageBitmapRepPixels, RejectsPointsOutsideTheBitmapWithoutTouchingIt) {
    const auto rep = makeRep(4, 3);
    const BMPixel white = BMPixelMake(1, 1, 1, 1);
    for (const BMPoint point : {BMPoint{4, 0}, BMPoint{-1, 0}, BMPoint{0, 3}, BMPoint{0, -1}}) {
        EXPECT_THROW(rep->setPixel_atPoint(white, point), AssertionFailure);
        EXPECT_THROW(rep->getPixelAtPoint(point), AssertionFailure);
    }
    rep->setPixel_atPoint(white, {3, 2});
    EXPECT_EQ(memoryAt(rep, {3, 2}), (Raw{255, 255, 255, 255}));
    for (int64_t i = 0; i < 11; ++i) EXPECT_EQ(memoryAt(rep, {i % 4, i / 4}), (Raw{0, 0, 0, 0}));
    try {
        rep->setPixel_atPoint(white, {4, 0});
    } catch (const AssertionFailure& failure) {
        const std::string text = failure.what();
        EXPECT_NE(text.find(", BitmapContextRep:"), std::string::npos) << text;
        EXPECT_NE(text.find("Point must be within bitmap."), std::string::npos) << text;
    }
}

TEST(ImageBitmapRepPixels, RejectsComponentsOutsideZeroToOne) {
    const auto rep = makeRep(1, 1);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const BMPixel pixel : {BMPixelMake(1.01, 0, 0, 1), BMPixelMake(0, -0.01, 0, 1),
                                BMPixelMake(0, 0, nan, 1), BMPixelMake(0, 0, 0, 2)}) {
        try {
            rep->setPixel_atPoint(pixel, {0, 0});
            ADD_FAILURE() << "accepted a component out of range";
        } catch (const AssertionFailure& failure) {
            const std::string text = failure.what();
            EXPECT_NE(text.find(", ImageBitmapRep: Pixel color must range from 0 to 1."),
                      std::string::npos)
                << text;
        }
    }
    EXPECT_EQ(memoryAt(rep, {0, 0}), (Raw{0, 0, 0, 0}));
}

TEST(ImageBitmapRepPixels, TransparentPixelsReadAsZeroAndSurviveBrightness) {
    const auto rep = makeRep(2, 1);
    rep->setPixel_atPoint(BMPixelMake(0.2, 0.4, 0.6, 1), {1, 0});
    EXPECT_EQ(rep->getPixelAtPoint({0, 0}), BMPixelMake(0, 0, 0, 0));
    rep->setBrightness(2.0);
    EXPECT_EQ(memoryAt(rep, {0, 0}), (Raw{0, 0, 0, 0}));
    EXPECT_EQ(memoryAt(rep, {1, 0}), (Raw{255, 102, 204, 255}));  // 0.6 × 2 is capped at 1
}

TEST(ImageBitmapRepPixels, BrightnessScalesColoursAndRejectsFactorsOutsideZeroToTwo) {
    const auto rep = makeRep(1, 1);
    rep->setPixel_atPoint(BMPixelMake(0.4, 0.8, 1.0, 0.5), {0, 0});
    rep->setBrightness(0.5);
    // 51/128 × 0.5 × 255 × (128/255) = 25.5 → 26; 102/128 → 51; 128/128 → 64.
    EXPECT_EQ(memoryAt(rep, {0, 0}), (Raw{128, 26, 51, 64}));
    EXPECT_THROW(rep->setBrightness(2.5), AssertionFailure);
    EXPECT_THROW(rep->setBrightness(-0.1), AssertionFailure);
    EXPECT_THROW(rep->setBrightness(std::numeric_limits<double>::quiet_NaN()), AssertionFailure);
}

TEST(ImageBitmapRepPixels, InvertsTheStoredColourBytesAndKeepsAlpha) {
    const auto rep = makeRep(2, 1);
    rep->setRawPixel_atPoint(Raw{10, 20, 30, 255}, {0, 0});
    rep->invertColors();
    EXPECT_EQ(memoryAt(rep, {0, 0}), (Raw{255, 245, 235, 225}));
    EXPECT_EQ(memoryAt(rep, {1, 0}), (Raw{0, 255, 255, 255}));  // premultiplied, as stored
}

TEST(ImageBitmapRepSnapshot, IsRetakenOnlyAfterAChange) {
    const auto rep = makeRep(2, 2);
    const CGImageRef first = rep->CGImage();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(rep->CGImage(), first);

    rep->setPixel_atPoint(BMPixelMake(1, 0, 0, 1), {1, 0});
    const CGImageRef second = rep->CGImage();
    EXPECT_NE(second, first);
    EXPECT_EQ(second->pixelAt(1, 0), 0xFFFF0000u);
    EXPECT_EQ(first->pixelAt(1, 0), 0u);  // a handle taken earlier keeps its pixels

    Raw raw{};
    rep->getRawPixel_atPoint(raw, {0, 0});
    EXPECT_NE(rep->CGImage(), second);

    const auto image = rep->image();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), CGSizeMake(2, 2));
    EXPECT_EQ(image->CGImage(), rep->CGImage());
}

TEST(BitmapValues, PointsRoundHalvesAwayFromZeroAndPixelsBecomeColours) {
    EXPECT_EQ(BMPointFromPoint(CGPointMake(-2.5, 2.5)), BMPointMake(-3, 3));
    EXPECT_EQ(BMPointFromSize(CGSizeMake(0.49, 1.5)), BMPointMake(0, 2));
    CGFloat red = 0, green = 0, blue = 0, alpha = 0;
    ASSERT_TRUE(UIColorFromBMPixel(BMPixelMake(0.1, 0.2, 0.3, 0.4))
                    ->getRed_green_blue_alpha(&red, &green, &blue, &alpha));
    EXPECT_EQ(BMPixelMake(red, green, blue, alpha), BMPixelMake(0.1, 0.2, 0.3, 0.4));
}

TEST(ImageBitmapRepCreation, RefusesZeroSidesAndRoundsSizes) {
    EXPECT_EQ(ImageBitmapRep::initWithSize({0, 10}), nullptr);
    EXPECT_EQ(ImageBitmapRep::initWithSize({10, 0}), nullptr);
    const auto rep = ImageBitmapRep::imageBitmapRepWithCGSize(CGSizeMake(2.5, 3.4));
    ASSERT_NE(rep, nullptr);
    EXPECT_EQ(rep->bitmapSize(), BMPointMake(3, 3));
}

TEST(ImageBitmapRepCreation, CopiesPixelsIntoAnIndependentRep) {
    const auto rep = makeRep(3, 2);
    rep->setPixel_atPoint(BMPixelMake(0.2, 0.4, 0.6, 0.8), {0, 0});
    rep->setPixel_atPoint(BMPixelMake(1, 1, 0, 1), {2, 1});
    const auto copy = rep->copyWithZone();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->bitmapSize(), rep->bitmapSize());
    for (int64_t i = 0; i < 6; ++i)
        EXPECT_EQ(memoryAt(copy, {i % 3, i / 3}), memoryAt(rep, {i % 3, i / 3}));
    copy->setPixel_atPoint(BMPixelMake(0, 0, 1, 1), {0, 0});
    EXPECT_EQ(memoryAt(rep, {0, 0}), (Raw{204, 41, 82, 122}));
}

TEST(ImageBitmapRepCreation, MadeFromAnImageHoldsItsPixels) {
    const auto source = makeRep(2, 1);
    source->setPixel_atPoint(BMPixelMake(0, 1, 0, 1), {1, 0});
    const auto rep = ImageBitmapRep::imageBitmapRepWithImage(source->image());
    ASSERT_NE(rep, nullptr);
    EXPECT_EQ(rep->bitmapSize(), BMPointMake(2, 1));
    EXPECT_EQ(memoryAt(rep, {1, 0}), (Raw{255, 0, 255, 0}));
}

TEST(ImageBitmapRepCreation, TakesTheImageItWasMadeFromAsItsSnapshot) {
    const auto source = ImageBitmapRep::imageBitmapRepWithCGSize(CGSizeMake(3, 2));
    source->setPixel_atPoint(BMPixelMake(0.3, 0.6, 0.9, 0.4), {0, 0});
    source->setRawPixel_atPoint(Raw{200, 10, 0, 100}, {2, 1});  // not validly premultiplied
    const CGImageRef image = source->CGImage();
    const auto rep = ImageBitmapRep::initWithImage(ImageFromCGImage(image));
    EXPECT_EQ(rep->CGImage(), image);
    // Only valid because the bitmap holds exactly those pixels.
    rep->setNeedsUpdate(true);
    const CGImageRef retaken = rep->CGImage();
    ASSERT_NE(retaken, image);
    EXPECT_TRUE(std::ranges::equal(retaken->pixels(), image->pixels()));
}

TEST(ImageBitmapRepCreation, WithoutAContextReadsAsEmpty) {
    SystemLogCapture log;
    const auto empty = ImageBitmapRep::initWithImage(nullptr);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->bitmapSize(), BMPointMake(0, 0));
    EXPECT_EQ(empty->image(), nullptr);
    EXPECT_EQ(log.count("Failed to create bitmap!"), 1u);
}

}  // namespace
