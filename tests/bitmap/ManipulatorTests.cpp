#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/foundation/SystemLog.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"
#include "prefs/bitmap/UIImageImageBitmapRep.h"
#include "tests/bitmap/BitmapProbe.h"

namespace {

bool near(const Raw& actual, const Raw& expected) {
    for (size_t i = 0; i < 4; ++i) {
        if (std::abs(actual[i] - expected[i]) > 1) return false;
    }
    return true;
}

// Opaque rows [top, bottom) and transparent elsewhere, in every column.
void expectOpaqueRows(const std::shared_ptr<ImageBitmapRep>& rep, int64_t top, int64_t bottom) {
    const BMPoint size = rep->bitmapSize();
    for (int64_t y = 0; y < size.y; ++y) {
        for (int64_t x = 0; x < size.x; ++x) {
            ASSERT_EQ(memoryAt(rep, {x, y})[0], y >= top && y < bottom ? 255 : 0) << x << "," << y;
        }
    }
}

// Red, green and blue quarters from the top-left, clockwise; the bottom-left one stays clear.
std::shared_ptr<ImageBitmapRep> quarters() {
    auto rep = ImageBitmapRep::initWithSize({4, 4});
    for (int64_t y = 0; y < 2; ++y) {
        for (int64_t x = 0; x < 2; ++x) {
            rep->setPixel_atPoint(kRed, {x, y});
            rep->setPixel_atPoint(kGreen, {x + 2, y});
            rep->setPixel_atPoint(kBlue, {x + 2, y + 2});
        }
    }
    return rep;
}

TEST(CropManipulator, TopFramesCountFromTheTopAndPlainFramesFromTheBottom) {
    const auto top = quarters();
    top->cropTopFrame(CGRectMake(2, 0, 2, 2));
    ASSERT_EQ(top->bitmapSize(), BMPointMake(2, 2));
    for (int64_t i = 0; i < 4; ++i) EXPECT_EQ(memoryAt(top, {i % 2, i / 2}), kGreenBytes);

    const auto bottom = quarters();
    bottom->cropFrame(CGRectMake(2, 0, 2, 2));
    for (int64_t i = 0; i < 4; ++i) EXPECT_EQ(memoryAt(bottom, {i % 2, i / 2}), kBlueBytes);

    // Beyond the bitmap the cut-out is transparent.
    const auto over = quarters();
    over->cropTopFrame(CGRectMake(3, 3, 2, 1));
    EXPECT_EQ(memoryAt(over, {0, 0}), kBlueBytes);
    EXPECT_EQ(memoryAt(over, {1, 0}), kClearBytes);
}

TEST(CropManipulator, CroppedImageLeavesTheRepAlone) {
    const auto rep = quarters();
    const CGContextRef before = rep->context();
    const CGImageRef image = rep->croppedImageWithFrame(CGRectMake(0, 2, 2, 2));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width(), 2u);
    EXPECT_EQ(image->pixelAt(1, 1), 0xFFFF0000u);
    EXPECT_EQ(rep->context(), before);
    EXPECT_EQ(rep->bitmapSize(), BMPointMake(4, 4));
}

TEST(CropManipulator, EllipseRoundsTheFrameAndClearsOutsideIt) {
    const auto rep = solidRep(12, 12, kGreen);
    rep->setPixel_atPoint(kRed, {3, 2});
    rep->cropTopEllipse(CGRectMake(0.5, 0.6, 9.5, 9.4));  // → (1, 1, 10, 9)
    ASSERT_EQ(rep->bitmapSize(), BMPointMake(10, 9));
    EXPECT_EQ(memoryAt(rep, {0, 0}), kClearBytes);
    EXPECT_EQ(memoryAt(rep, {9, 8}), kClearBytes);
    EXPECT_EQ(memoryAt(rep, {5, 4}), kGreenBytes);
    EXPECT_EQ(memoryAt(rep, {2, 1}), kRedBytes);
    EXPECT_GT(memoryAt(rep, {0, 4})[0], 200);  // the ellipse reaches the left edge
}

// After a pixel change a crop copies only its own pixels out of the bitmap; from a fresh image
// it draws from the image. Both give the same bytes, inside the bitmap and beyond its edges.
TEST(CropManipulator, CropsAfterAPixelChangeMatchCropsOfTheImage) {
    const std::shared_ptr<UIImage> image = quarters()->image();
    const auto crops = {CGRectMake(1, 1, 2, 2), CGRectMake(3, 2, 3, 3), CGRectMake(-1, -1, 6, 6)};
    for (const CGRect frame : crops) {
        const auto changed = ImageBitmapRep::initWithImage(image);
        changed->setPixel_atPoint(kRed, {3, 3});
        const auto fresh = ImageBitmapRep::initWithImage(image);
        fresh->cropTopEllipse(frame);
        changed->cropTopEllipse(frame);
        ASSERT_EQ(changed->bitmapSize(), fresh->bitmapSize());
        const BMPoint size = fresh->bitmapSize();
        for (int64_t y = 0; y < size.y; ++y) {
            for (int64_t x = 0; x < size.x; ++x) {
                const BMPoint source{x + static_cast<int64_t>(frame.origin.x),
                                     y + static_cast<int64_t>(frame.origin.y)};
                if (source.x == 3 && source.y == 3) continue;  // the changed pixel
                EXPECT_EQ(memoryAt(changed, {x, y}), memoryAt(fresh, {x, y}))
                    << x << "," << y << " of " << frame.origin.x << "," << frame.origin.y;
            }
        }
    }
}

TEST(ScaleManipulator, FittingCentresTheWholeImageBetweenTransparentBands) {
    const auto rep = solidRep(200, 100, kGreen);
    rep->setSizeFittingFrame({100, 100});
    ASSERT_EQ(rep->bitmapSize(), BMPointMake(100, 100));
    expectOpaqueRows(rep, 25, 75);
    EXPECT_EQ(memoryAt(rep, {50, 50}), kGreenBytes);
}

TEST(ScaleManipulator, FillingCoversTheFrameAndCutsTheOverflow) {
    const auto rep = ImageBitmapRep::initWithSize({200, 100});
    paintColumns(rep, 0, 50, kRed);
    paintColumns(rep, 50, 150, kGreen);
    paintColumns(rep, 150, 200, kBlue);
    rep->setSizeFillingFrame({100, 100});
    ASSERT_EQ(rep->bitmapSize(), BMPointMake(100, 100));
    for (int64_t y = 0; y < 100; y += 9) {
        for (int64_t x = 0; x < 100; x += 9)
            ASSERT_EQ(memoryAt(rep, {x, y}), kGreenBytes) << x << "," << y;
    }
}

TEST(ScaleManipulator, SetSizeStretches) {
    const auto rep = ImageBitmapRep::initWithSize({4, 2});
    paintColumns(rep, 0, 2, kRed);
    paintColumns(rep, 2, 4, kBlue);
    rep->setSize({8, 1});
    ASSERT_EQ(rep->bitmapSize(), BMPointMake(8, 1));
    EXPECT_EQ(memoryAt(rep, {0, 0}), kRedBytes);
    EXPECT_EQ(memoryAt(rep, {7, 0}), kBlueBytes);
}

TEST(ScaleManipulator, QualityLosesDetailButKeepsTheSize) {
    const auto rep = ImageBitmapRep::initWithSize({8, 8});
    for (int64_t i = 0; i < 64; ++i) {
        const double grey = (i % 2 + i / 8) % 2;
        rep->setPixel_atPoint(BMPixelMake(grey, grey, grey, 1), {i % 8, i / 8});
    }
    const CGContextRef before = rep->context();
    rep->setQuality(1.0);
    EXPECT_EQ(rep->context(), before);

    rep->setQuality(0.5);
    ASSERT_EQ(rep->bitmapSize(), BMPointMake(8, 8));
    const Raw middle = memoryAt(rep, {3, 3});
    EXPECT_EQ(middle[0], 255);
    EXPECT_GT(middle[1], 0);
    EXPECT_LT(middle[1], 255);

    EXPECT_THROW(rep->setQuality(1.5), AssertionFailure);
    EXPECT_THROW(rep->setQuality(-0.5), AssertionFailure);
}

TEST(ScaleManipulator, QualityZeroLeavesATransparentBitmapOfTheFormerSize) {
    const auto rep = solidRep(6, 4, kRed);
    SystemLogCapture log;
    rep->setQuality(0.0);
    EXPECT_EQ(log.count("Failed to create bitmap!"), 1u);
    ASSERT_EQ(rep->bitmapSize(), BMPointMake(6, 4));
    expectOpaqueRows(rep, 0, 0);
}

TEST(RotationManipulator, SizesTheBitmapToHoldTheTurnedImage) {
    const auto wide = ImageBitmapRep::initWithSize({100, 50});
    wide->rotate(90);
    EXPECT_EQ(wide->bitmapSize(), BMPointMake(50, 100));

    const auto square = ImageBitmapRep::initWithSize({100, 100});
    const CGContextRef before = square->context();
    square->rotate(0);
    EXPECT_EQ(square->context(), before);
    const CGImageRef turned = square->imageByRotating(45);
    ASSERT_NE(turned, nullptr);
    EXPECT_EQ(turned->width(), 142u);
    EXPECT_EQ(turned->height(), 142u);
    EXPECT_EQ(square->context(), before);
    EXPECT_EQ(square->imageByRotating(0), square->CGImage());
    square->rotate(45);
    EXPECT_EQ(square->bitmapSize(), BMPointMake(141, 141));
}

TEST(RotationManipulator, TurnsCounterClockwiseAboutTheCentre) {
    const auto rep = ImageBitmapRep::initWithSize({4, 2});
    rep->setPixel_atPoint(kRed, {0, 0});    // top-left
    rep->setPixel_atPoint(kGreen, {3, 0});  // top-right
    paintColumns(rep, 1, 3, kBlue);
    rep->setPixel_atPoint(kBlue, {0, 1});
    rep->setPixel_atPoint(kBlue, {3, 1});
    rep->rotate(90);
    ASSERT_EQ(rep->bitmapSize(), BMPointMake(2, 4));
    // The top row turns into the left column, read upwards.
    EXPECT_PRED2(near, memoryAt(rep, {0, 0}), kGreenBytes);
    EXPECT_PRED2(near, memoryAt(rep, {0, 3}), kRedBytes);
    EXPECT_PRED2(near, memoryAt(rep, {1, 0}), kBlueBytes);
    EXPECT_PRED2(near, memoryAt(rep, {0, 1}), kBlueBytes);
}

TEST(RotationManipulator, LeavesTheCornersAroundA45DegreeTurnTransparent) {
    const auto rep = solidRep(20, 20, kRed);
    rep->rotate(45);
    ASSERT_EQ(rep->bitmapSize(), BMPointMake(28, 28));
    EXPECT_EQ(memoryAt(rep, {0, 0}), kClearBytes);
    EXPECT_EQ(memoryAt(rep, {27, 27}), kClearBytes);
    EXPECT_EQ(memoryAt(rep, {14, 14}), kRedBytes);
    EXPECT_EQ(memoryAt(rep, {14, 1}), kRedBytes);  // the top corner of the diamond
}

TEST(DrawManipulator, DrawsIntoTheRepMeasuringFromTheTop) {
    const auto rep = ImageBitmapRep::initWithSize({4, 3});
    const CGImageRef before = rep->CGImage();
    rep->drawImage_inRect(solidRep(1, 1, kRed)->CGImage(), CGRectMake(1, 0, 2, 1));
    EXPECT_EQ(memoryAt(rep, {1, 0}), kRedBytes);
    EXPECT_EQ(memoryAt(rep, {2, 0}), kRedBytes);
    EXPECT_EQ(memoryAt(rep, {1, 2}), kClearBytes);
    const CGImageRef after = rep->CGImage();
    EXPECT_NE(after, before);
    EXPECT_EQ(after->pixelAt(2, 0), 0xFFFF0000u);
}

TEST(DrawManipulator, FillsAnEllipseMeasuringFromTheTop) {
    const auto rep = ImageBitmapRep::initWithSize({10, 10});
    rep->drawEllipseInFrame_color(CGRectMake(0, 0, 10, 4),
                                  UIColor::colorWithRed_green_blue_alpha(0, 0, 1, 1));
    EXPECT_EQ(memoryAt(rep, {5, 2}), kBlueBytes);
    EXPECT_EQ(memoryAt(rep, {5, 6}), kClearBytes);
    EXPECT_LT(memoryAt(rep, {0, 0})[0], 32);  // only the antialiased rim reaches the corner
    EXPECT_EQ(rep->CGImage()->pixelAt(5, 2), 0xFF0000FFu);
}

TEST(ImageCategory, ScalesImagesThroughABitmapRep) {
    const auto wide = solidRep(200, 100, kGreen)->image();
    const auto scaled = imageByScalingToSize(wide, CGSizeMake(20.5, 9.4));
    ASSERT_NE(scaled, nullptr);
    EXPECT_EQ(scaled->size(), CGSizeMake(21, 9));

    const auto fitted = imageBitmapRep(imageFittingFrame(wide, CGSizeMake(100, 100)));
    ASSERT_NE(fitted, nullptr);
    expectOpaqueRows(fitted, 25, 75);
    const auto filled = imageBitmapRep(imageFillingFrame(wide, CGSizeMake(100, 100)));
    expectOpaqueRows(filled, 0, 100);

    const auto rep = solidRep(3, 3, kBlue);
    EXPECT_EQ(imageFromImageBitmapRep(rep)->CGImage(), rep->CGImage());
    EXPECT_EQ(imageBitmapRep(nullptr), nullptr);
    EXPECT_EQ(imageFittingFrame(nullptr, CGSizeMake(10, 10)), nullptr);
    EXPECT_EQ(imageFromImageBitmapRep(nullptr), nullptr);
}

}  // namespace
