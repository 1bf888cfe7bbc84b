#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "platform/foundation/SystemLog.h"
#include "prefs/bitmap/CGContextCreator.h"
#include "prefs/bitmap/ImageBitmapRep.h"
#include "tests/bitmap/BitmapProbe.h"

namespace {

constexpr const char* kMallocFailed =
    "Malloc failed which is too bad.  I was hoping to use this memory.";

TEST(CGContextCreator, RoundsSidesAndLaysPixelsOutAlphaFirstWithoutPadding) {
    const CGContextRef context =
        CGContextCreator::newARGBBitmapContextWithSize(CGSizeMake(2.5, 3.4));
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(CGBitmapContextGetWidth(context), 3u);
    EXPECT_EQ(CGBitmapContextGetHeight(context), 3u);
    EXPECT_EQ(CGBitmapContextGetBytesPerRow(context), 12u);
    const auto* bytes = static_cast<const uint8_t*>(CGBitmapContextGetData(context));
    for (int i = 0; i < 36; ++i) ASSERT_EQ(bytes[i], 0) << i;
    // Drawing y up: the bottom-right pixel is the last in memory.
    CGContextSetRGBFillColor(context, 1, 0, 0.5, 1);
    CGContextFillRect(context, CGRectMake(2, 0, 1, 1));
    EXPECT_EQ((Raw{bytes[32], bytes[33], bytes[34], bytes[35]}), (Raw{255, 255, 0, 128}));
}

TEST(CGContextCreator, RefusesByteCountsBeyond32BitsInsteadOfAllocatingShort) {
    SystemLogCapture log;
    // 32768 × 32768 × 4 wraps to 0 in 32 bits; 65536 × 4 bytes a row stays small, the whole not.
    EXPECT_EQ(CGContextCreator::newARGBBitmapContextWithSize(CGSizeMake(32768, 32768)), nullptr);
    EXPECT_EQ(CGContextCreator::newARGBBitmapContextWithSize(CGSizeMake(23171, 23171)), nullptr);
    EXPECT_EQ(CGContextCreator::newARGBBitmapContextWithSize(CGSizeMake(1e300, 1)), nullptr);
    EXPECT_EQ(log.count(kMallocFailed), 3u);
    EXPECT_EQ(log.messages().size(), 3u);  // refused before the graphics layer was asked
    // 23170² × 4 still fits in 31 bits; the graphics layer is then the judge.
    EXPECT_NE(CGContextCreator::newARGBBitmapContextWithSize(CGSizeMake(23170, 2)), nullptr);
}

TEST(CGContextCreator, EmptyNegativeOrNotANumberSidesFailToCreateABitmap) {
    SystemLogCapture log;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const CGSize size :
         {CGSizeMake(0, 5), CGSizeMake(5, 0.4), CGSizeMake(-3, 5), CGSizeMake(nan, 5)}) {
        EXPECT_EQ(CGContextCreator::newARGBBitmapContextWithSize(size), nullptr);
    }
    EXPECT_EQ(log.count("Failed to create bitmap!"), 4u);
    EXPECT_EQ(log.count(kMallocFailed), 0u);
}

TEST(CGContextCreator, MakesAContextOfAnImageWithTheImageDrawnIn) {
    const auto rep = solidRep(3, 2, kBlue);
    rep->setPixel_atPoint(BMPixelMake(1, 1, 1, 0.5), {0, 0});
    const CGContextRef context = CGContextCreator::newARGBBitmapContextWithImage(rep->CGImage());
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(CGBitmapContextGetWidth(context), 3u);
    EXPECT_EQ(CGBitmapContextGetHeight(context), 2u);
    const auto* bytes = static_cast<const uint8_t*>(CGBitmapContextGetData(context));
    EXPECT_EQ((Raw{bytes[0], bytes[1], bytes[2], bytes[3]}), (Raw{128, 128, 128, 128}));
    EXPECT_EQ((Raw{bytes[20], bytes[21], bytes[22], bytes[23]}), kBlueBytes);
}

TEST(BitmapContextRep, TakesOverAContextAndRejectsOtherLayouts) {
    const auto rep = solidRep(2, 2, kRed);
    const CGImageRef before = rep->CGImage();
    const CGContextRef replacement = CGContextCreator::newARGBBitmapContextWithSize({5, 1});
    rep->setContext(replacement);
    EXPECT_EQ(rep->bitmapSize(), BMPointMake(5, 1));
    EXPECT_NE(rep->CGImage(), before);
    EXPECT_EQ(memoryAt(rep, {4, 0}), kClearBytes);

    const CGContextRef native =
        CGBitmapContextCreate(nullptr, 2, 2, 8, 0, CGColorSpaceCreateDeviceRGB(),
                              kCGImageAlphaPremultipliedFirst | kCGBitmapByteOrder32Little);
    EXPECT_THROW(rep->setContext(native), AssertionFailure);
    EXPECT_EQ(rep->context(), replacement);

    rep->setContext(nullptr);
    EXPECT_EQ(rep->bitmapSize(), BMPointMake(0, 0));
    EXPECT_EQ(rep->CGImage(), nullptr);
    EXPECT_THROW(rep->getPixelAtPoint({0, 0}), AssertionFailure);
}

}  // namespace
