#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "platform/foundation/SystemLog.h"
#include "platform/graphics/CGContext.h"
#include "tests/graphics/PixelProbe.h"

namespace {

constexpr double kPi = std::numbers::pi;

TEST(BitmapContext, HalfTransparentRedHasThePlatformBytesInBothLayouts) {
    uint8_t first[4] = {}, last[4] = {};
    const auto space = CGColorSpaceCreateDeviceRGB();
    const auto argb =
        CGBitmapContextCreate(first, 1, 1, 8, 4, space, kCGImageAlphaPremultipliedFirst);
    const auto rgba =
        CGBitmapContextCreate(last, 1, 1, 8, 4, space, kCGImageAlphaPremultipliedLast);
    for (const auto& context : {argb, rgba}) {
        ASSERT_NE(context, nullptr);
        CGContextSetRGBFillColor(context, 1, 0, 0, 0.5);
        CGContextFillRect(context, CGRectMake(0, 0, 1, 1));
    }
    EXPECT_EQ((std::vector<int>{first[0], first[1], first[2], first[3]}),
              (std::vector<int>{128, 128, 0, 0}));
    EXPECT_EQ((std::vector<int>{last[0], last[1], last[2], last[3]}),
              (std::vector<int>{128, 0, 0, 128}));
}

TEST(BitmapContext, CallersSeeAndChangeTheSameBytes) {
    std::vector<uint8_t> pixels(2 * 2 * 4, 0);
    const auto context = CGBitmapContextCreate(
        pixels.data(), 2, 2, 8, 8, CGColorSpaceCreateDeviceRGB(), kCGImageAlphaPremultipliedFirst);
    ASSERT_EQ(CGBitmapContextGetData(context), pixels.data());
    // Origin bottom-left: the bottom row is the last in memory.
    CGContextSetRGBFillColor(context, 0, 0, 1, 1);
    CGContextFillRect(context, CGRectMake(0, 0, 2, 1));
    EXPECT_EQ(argbAt(context, 0, 1), (Argb{255, 0, 0, 255}));
    EXPECT_EQ(argbAt(context, 0, 0), (Argb{0, 0, 0, 0}));
    pixels[0] = 255;
    pixels[2] = 255;  // opaque green written by hand into the top-left pixel
    const auto image = CGBitmapContextCreateImage(context);
    EXPECT_EQ(imagePixel(image, 0, 0), (Argb{255, 0, 255, 0}));
    // The snapshot is a copy.
    pixels[0] = 0;
    EXPECT_EQ(imagePixel(image, 0, 0).a, 255);
}

TEST(BitmapContext, SnapshotsReadPaddedRowsInEveryLayout) {
    for (const CGBitmapInfo info :
         {CGBitmapInfo{kCGImageAlphaPremultipliedFirst},
          CGBitmapInfo{kCGImageAlphaPremultipliedFirst | kCGBitmapByteOrder32Little},
          CGBitmapInfo{kCGImageAlphaNoneSkipFirst}}) {
        SCOPED_TRACE(info);
        std::vector<uint8_t> pixels(3 * 16, 0);
        const auto context =
            CGBitmapContextCreate(pixels.data(), 2, 3, 8, 16, CGColorSpaceCreateDeviceRGB(), info);
        CGContextSetRGBFillColor(context, 1, 0, 0, 1);
        CGContextFillRect(context, CGRectMake(1, 1, 1, 1));  // the middle row's right pixel
        const auto image = CGBitmapContextCreateImage(context);
        EXPECT_EQ(imagePixel(image, 1, 1), (Argb{255, 255, 0, 0}));
        EXPECT_EQ(imagePixel(image, 0, 1).r, 0);
        EXPECT_EQ(imagePixel(image, 1, 2).r, 0);
        EXPECT_EQ(imagePixel(image, 1, 0).r, 0);
    }
}

TEST(BitmapContext, RefusesUnsupportedOrUnsafeParameters) {
    SystemLogCapture log;
    const auto rgb = CGColorSpaceCreateDeviceRGB();
    EXPECT_EQ(CGBitmapContextCreate(nullptr, 0, 4, 8, 0, rgb, kCGImageAlphaPremultipliedFirst),
              nullptr);
    EXPECT_EQ(CGBitmapContextCreate(nullptr, 4, 4, 16, 0, rgb, kCGImageAlphaPremultipliedFirst),
              nullptr);
    EXPECT_EQ(CGBitmapContextCreate(nullptr, 4, 4, 8, 8, rgb, kCGImageAlphaPremultipliedFirst),
              nullptr);
    EXPECT_EQ(CGBitmapContextCreate(nullptr, 4, 4, 8, 18, rgb, kCGImageAlphaPremultipliedFirst),
              nullptr);
    EXPECT_EQ(CGBitmapContextCreate(nullptr, 4, 4, 8, 0, CGColorSpaceCreateDeviceGray(),
                                    kCGImageAlphaPremultipliedFirst),
              nullptr);
    EXPECT_EQ(CGBitmapContextCreate(nullptr, 4, 4, 8, 0, rgb, kCGImageAlphaFirst), nullptr);
    EXPECT_EQ(CGBitmapContextCreate(nullptr, 1 << 20, 1 << 20, 8, 0, rgb,
                                    kCGImageAlphaPremultipliedFirst),
              nullptr);
    EXPECT_EQ(log.messages().size(), 7u);
    const auto own =
        CGBitmapContextCreate(nullptr, 3, 2, 8, 0, rgb, kCGImageAlphaPremultipliedLast);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(CGBitmapContextGetBytesPerRow(own), 12u);
    EXPECT_EQ(CGBitmapContextGetAlphaInfo(own), kCGImageAlphaPremultipliedLast);
}

TEST(BitmapContext, SaveAndRestoreCoverColourAndTransform) {
    const auto context = makeArgbContext(4, 4);
    CGContextSetRGBFillColor(context, 1, 0, 0, 1);
    CGContextSaveGState(context);
    CGContextSetRGBFillColor(context, 0, 1, 0, 1);
    CGContextTranslateCTM(context, 2, 2);
    CGContextRestoreGState(context);
    CGContextRestoreGState(context);  // unmatched: ignored
    EXPECT_TRUE(CGAffineTransformIsIdentity(CGContextGetCTM(context)));
    CGContextFillRect(context, CGRectMake(0, 0, 1, 1));
    EXPECT_EQ(argbAt(context, 0, 3), (Argb{255, 255, 0, 0}));
}

// Half-disc arcs from 0 to π: counter-clockwise (flag 0) passes through the top in a y-up
// context; clockwise (flag 1) through the bottom.
TEST(BitmapContextPaths, ArcDirectionFollowsTheClockwiseFlagWithYUp) {
    for (const int clockwise : {0, 1}) {
        const auto context = makeArgbContext(20, 20);
        CGContextMoveToPoint(context, 10, 10);
        CGContextAddArc(context, 10, 10, 8, 0, kPi, clockwise);
        CGContextClosePath(context);
        CGContextFillPath(context);
        // Row 4 from the top is y = 15.5, above the centre.
        const int top = alphaAt(context, 10, 4), bottom = alphaAt(context, 10, 15);
        EXPECT_EQ(top, clockwise ? 0 : 255) << "clockwise " << clockwise;
        EXPECT_EQ(bottom, clockwise ? 255 : 0) << "clockwise " << clockwise;
    }
}

TEST(BitmapContextPaths, ArcAnglesWrapLikeThePlatform) {
    // From 3π/2 to 0 counter-clockwise is a quarter turn, not three quarters.
    const auto context = makeArgbContext(20, 20);
    CGContextMoveToPoint(context, 10, 10);
    CGContextAddArc(context, 10, 10, 8, 3 * kPi / 2, 0, 0);
    CGContextClosePath(context);
    CGContextFillPath(context);
    EXPECT_EQ(alphaAt(context, 14, 14), 255);  // x > centre, y < centre: the quarter drawn
    EXPECT_EQ(alphaAt(context, 5, 5), 0);
    EXPECT_EQ(alphaAt(context, 5, 14), 0);
}

TEST(BitmapContextPaths, TangentArcsRoundACorner) {
    // A 20×20 square whose top-right corner is rounded with radius 10.
    const auto context = makeArgbContext(20, 20);
    CGContextMoveToPoint(context, 0, 0);
    CGContextAddLineToPoint(context, 0, 20);
    CGContextAddArcToPoint(context, 20, 20, 20, 0, 10);
    CGContextAddLineToPoint(context, 20, 0);
    CGContextClosePath(context);
    CGContextFillPath(context);
    EXPECT_EQ(alphaAt(context, 19, 0), 0);    // the cut-off corner
    EXPECT_EQ(alphaAt(context, 0, 0), 255);   // the square corner stays
    EXPECT_EQ(alphaAt(context, 16, 3), 255);  // inside the rounding (distance 8.5 from centre)
    EXPECT_EQ(alphaAt(context, 19, 19), 255);
    const CGPoint current = CGContextGetPathCurrentPoint(context);
    EXPECT_EQ(current, CGPointZero);  // filling consumed the path
}

TEST(BitmapContextPaths, EvenOddFillsAndClipsLeaveTheHole) {
    for (const bool clip : {false, true}) {
        const auto context = makeArgbContext(10, 10);
        CGContextAddRect(context, CGRectMake(0, 0, 10, 10));
        CGContextAddRect(context, CGRectMake(3, 3, 4, 4));
        if (clip) {
            CGContextEOClip(context);
            CGContextFillRect(context, CGRectMake(0, 0, 10, 10));
        } else {
            CGContextEOFillPath(context);
        }
        EXPECT_EQ(alphaAt(context, 1, 1), 255);
        EXPECT_EQ(alphaAt(context, 5, 5), 0);
    }
    // The non-zero rule fills the hole of two rectangles wound the same way.
    const auto context = makeArgbContext(10, 10);
    CGContextAddRect(context, CGRectMake(0, 0, 10, 10));
    CGContextAddRect(context, CGRectMake(3, 3, 4, 4));
    CGContextFillPath(context);
    EXPECT_EQ(alphaAt(context, 5, 5), 255);
}

TEST(BitmapContextPaths, StrokesFollowWidthAndTransform) {
    const auto context = makeArgbContext(20, 20);
    CGContextScaleCTM(context, 2, 2);
    CGContextSetLineWidth(context, 2);  // four pixels after scaling
    CGContextMoveToPoint(context, 0, 5);
    CGContextAddLineToPoint(context, 10, 5);
    CGContextStrokePath(context);
    // The line at y = 10 pixels covers rows 8…11 from the bottom, so 8…11 from the top too.
    EXPECT_EQ(alphaAt(context, 5, 7), 0);
    EXPECT_EQ(alphaAt(context, 5, 8), 255);
    EXPECT_EQ(alphaAt(context, 5, 11), 255);
    EXPECT_EQ(alphaAt(context, 5, 12), 0);
}

TEST(BitmapContextPaths, RoundCapsReachBeyondTheEnds) {
    const auto butt = makeArgbContext(20, 10);
    const auto round = makeArgbContext(20, 10);
    for (const auto& context : {butt, round}) {
        CGContextSetLineWidth(context, 6);
        if (context == round)
            CGContextSetLineCap(context, kCGLineCapRound);
        CGContextMoveToPoint(context, 5, 5);
        CGContextAddLineToPoint(context, 15, 5);
        CGContextStrokePath(context);
    }
    EXPECT_EQ(alphaAt(butt, 3, 5), 0);
    EXPECT_EQ(alphaAt(round, 3, 5), 255);
}

}  // namespace
