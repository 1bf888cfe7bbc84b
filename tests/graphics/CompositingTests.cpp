#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

#include "platform/graphics/CGContext.h"
#include "platform/graphics/GraphicsStateSaver.h"
#include "tests/graphics/PixelProbe.h"

namespace {

CGImageRef solidImage(size_t width, size_t height, uint32_t argb) {
    return std::make_shared<const CGImage>(width, height,
                                           std::vector<uint32_t>(width * height, argb), false);
}

CGColorRef opaqueBlack() {
    const CGFloat components[] = {0, 1};
    return CGColorCreate(CGColorSpaceCreateDeviceGray(), components);
}

bool near(const Argb& actual, const Argb& expected, int tolerance = 1) {
    return std::abs(actual.a - expected.a) <= tolerance &&
           std::abs(actual.r - expected.r) <= tolerance &&
           std::abs(actual.g - expected.g) <= tolerance &&
           std::abs(actual.b - expected.b) <= tolerance;
}

TEST(BlendModes, ClearAndCopyChangeOnlyWhatTheShapeCovers) {
    const auto context = makeArgbContext(4, 1);
    CGContextSetRGBFillColor(context, 0, 1, 0, 1);
    CGContextFillRect(context, CGRectMake(0, 0, 4, 1));
    CGContextClearRect(context, CGRectMake(0, 0, 1, 1));
    CGContextSetBlendMode(context, kCGBlendModeCopy);
    CGContextSetRGBFillColor(context, 0, 0, 1, 0.5);
    CGContextFillRect(context, CGRectMake(1, 0, 1, 1));
    EXPECT_EQ(argbAt(context, 0, 0), (Argb{0, 0, 0, 0}));
    EXPECT_EQ(argbAt(context, 1, 0), (Argb{128, 0, 0, 128}));  // replaced, not blended
    EXPECT_EQ(argbAt(context, 2, 0), (Argb{255, 0, 255, 0}));  // untouched
    CGContextSetBlendMode(context, kCGBlendModeClear);
    CGContextFillRect(context, CGRectMake(3, 0, 1, 1));
    EXPECT_EQ(argbAt(context, 2, 0), (Argb{255, 0, 255, 0}));
    EXPECT_EQ(argbAt(context, 3, 0).a, 0);
}

// Colour burn: B(cb, cs) = 1 − min(1, (1 − cb)/cs), 1 for cb = 1, 0 for cs = 0.
TEST(BlendModes, ColourBurnFollowsThePdfFormula) {
    const auto context = makeArgbContext(3, 1);
    CGContextSetRGBFillColor(context, 1, 1, 1, 1);
    CGContextFillRect(context, CGRectMake(0, 0, 1, 1));  // white backdrop
    CGContextSetRGBFillColor(context, 0.8, 0.6, 0.4, 1);
    CGContextFillRect(context, CGRectMake(1, 0, 1, 1));  // mid backdrop
    CGContextSetBlendMode(context, kCGBlendModeColorBurn);
    CGContextSetRGBFillColor(context, 0.5, 0.25, 0.75, 1);
    CGContextFillRect(context, CGRectMake(0, 0, 3, 1));
    EXPECT_TRUE(near(argbAt(context, 0, 0), {255, 255, 255, 255}));  // onto white: white
    // 0.8 burn 0.5 → 1 − 0.2/0.5 = 0.6; 0.6 burn 0.25 → 0; 0.4 burn 0.75 → 1 − 0.6/0.75 = 0.2
    EXPECT_TRUE(near(argbAt(context, 1, 0), {255, 153, 0, 51}));
    EXPECT_TRUE(near(argbAt(context, 2, 0), {255, 128, 64, 191}));  // onto transparent: source
}

TEST(BlendModes, ColourBurnTintsAnImageUnderItsOwnMask) {
    // Draw an image, clip to it as a mask and burn a colour over it, in a flipped context.
    const auto context = makeArgbContext(2, 1);
    const auto image =
        std::make_shared<const CGImage>(2, 1, std::vector<uint32_t>{0xffcccccc, 0x00000000}, false);
    CGContextTranslateCTM(context, 0, 1);
    CGContextScaleCTM(context, 1, -1);
    CGContextSetRGBFillColor(context, 0.5, 0.5, 0.5, 1);
    CGContextSetBlendMode(context, kCGBlendModeColorBurn);
    CGContextDrawImage(context, CGRectMake(0, 0, 2, 1), image);
    CGContextClipToMask(context, CGRectMake(0, 0, 2, 1), image);
    CGContextFillRect(context, CGRectMake(0, 0, 2, 1));
    // 0.8 burn 0.5 = 0.6; the transparent pixel stays transparent thanks to the mask.
    EXPECT_TRUE(near(argbAt(context, 0, 0), {255, 153, 153, 153}));
    EXPECT_EQ(argbAt(context, 1, 0), (Argb{0, 0, 0, 0}));
}

TEST(Clipping, ImageMaskUsesAlphaAndEndsAtItsRectangle) {
    const auto context = makeArgbContext(4, 2);
    const auto mask =
        std::make_shared<const CGImage>(2, 1, std::vector<uint32_t>{0xff000000, 0x80000000}, false);
    CGContextClipToMask(context, CGRectMake(0, 0, 2, 1), mask);
    CGContextSetRGBFillColor(context, 1, 1, 1, 1);
    CGContextFillRect(context, CGRectMake(0, 0, 4, 2));
    EXPECT_EQ(argbAt(context, 0, 1).a, 255);
    EXPECT_NEAR(argbAt(context, 1, 1).a, 128, 1);
    EXPECT_EQ(argbAt(context, 2, 1).a, 0);  // beside the mask's rectangle
    EXPECT_EQ(argbAt(context, 0, 0).a, 0);  // above it
}

TEST(Clipping, RestoringTheStateLiftsTheClip) {
    const auto context = makeArgbContext(4, 1);
    {
        const GraphicsStateSaver saver(context);
        CGContextClipToRect(context, CGRectMake(0, 0, 1, 1));
        CGContextFillRect(context, CGRectMake(0, 0, 4, 1));
    }
    EXPECT_EQ(alphaAt(context, 1, 0), 0);
    CGContextFillRect(context, CGRectMake(0, 0, 4, 1));
    EXPECT_EQ(alphaAt(context, 1, 0), 255);
}

TEST(Gradients, ExtendOptionsDecideWhatLiesBeyondTheEnds) {
    const CGFloat components[] = {1, 0, 0, 1, 0, 0, 1, 1};
    const CGFloat locations[] = {0, 1};
    const auto gradient = CGGradientCreateWithColorComponents(CGColorSpaceCreateDeviceRGB(),
                                                              components, locations, 2);
    struct Case {
        CGGradientDrawingOptions options;
        int before, after;  // alpha left of the start and right of the end
    };
    for (const Case c :
         {Case{0, 0, 0}, Case{kCGGradientDrawsBeforeStartLocation, 255, 0},
          Case{kCGGradientDrawsAfterEndLocation, 0, 255},
          Case{kCGGradientDrawsBeforeStartLocation | kCGGradientDrawsAfterEndLocation, 255, 255}}) {
        const auto context = makeArgbContext(30, 1);
        CGContextDrawLinearGradient(context, gradient, {10, 0}, {20, 0}, c.options);
        EXPECT_EQ(alphaAt(context, 2, 0), c.before) << c.options;
        EXPECT_EQ(alphaAt(context, 27, 0), c.after) << c.options;
        const Argb middle = argbAt(context, 15, 0);
        EXPECT_EQ(middle.a, 255);
        EXPECT_NEAR(middle.r, 128, 14);
        EXPECT_NEAR(middle.b, 128, 14);
        if (c.before) {
            EXPECT_EQ(argbAt(context, 2, 0).r, 255);
        }
        if (c.after) {
            EXPECT_EQ(argbAt(context, 27, 0).b, 255);
        }
    }
}

TEST(Gradients, RadialGradientAfterEndFillsBeyondTheRadius) {
    const CGFloat components[] = {0, 0, 0, 0, 0, 0, 0, 0.75};
    const auto gradient =
        CGGradientCreateWithColorComponents(CGColorSpaceCreateDeviceRGB(), components, nullptr, 2);
    const auto context = makeArgbContext(40, 40);
    CGContextDrawRadialGradient(context, gradient, {20, 20}, 0, {20, 20}, 10,
                                kCGGradientDrawsAfterEndLocation);
    // Pixel centres: (20.5, 19.5) lies 0.71 from the centre, (25.5, 19.5) 5.52.
    EXPECT_NEAR(alphaAt(context, 20, 20), 0.071 * 0.75 * 255, 2);
    EXPECT_NEAR(alphaAt(context, 25, 20), 0.552 * 0.75 * 255, 2);
    EXPECT_EQ(alphaAt(context, 1, 1), 191);
}

TEST(Shadows, ShadowIsOffsetInBaseSpaceAndBlurred) {
    const auto context = makeArgbContext(40, 40);
    CGContextSetShadowWithColor(
        context, {0, -10}, 4,
        CGColorCreate(CGColorSpaceCreateDeviceRGB(), std::array<CGFloat, 4>{0, 0, 0, 1}.data()));
    CGContextSetRGBFillColor(context, 1, 1, 1, 1);
    CGContextFillRect(context, CGRectMake(10, 20, 20, 10));  // rows 10…19 from the top
    EXPECT_EQ(argbAt(context, 20, 15), (Argb{255, 255, 255, 255}));
    // y −10 moves the shadow down on the bitmap: rows 20…29, black, soft at its edge.
    const Argb inside = argbAt(context, 20, 25);
    EXPECT_GT(inside.a, 235);
    EXPECT_EQ(inside.r, 0);
    const int edge = alphaAt(context, 20, 29), outside = alphaAt(context, 20, 31);
    EXPECT_GT(edge, 60);
    EXPECT_LT(edge, 250);
    EXPECT_GT(outside, 0);
    EXPECT_EQ(alphaAt(context, 20, 38), 0);
    EXPECT_EQ(alphaAt(context, 20, 5), 0);
}

TEST(Images, DrawImageIsUprightWithYUpAndScalesBilinearly) {
    const auto context = makeArgbContext(2, 2);
    const auto image = std::make_shared<const CGImage>(
        1, 2, std::vector<uint32_t>{0xffff0000, 0xff0000ff}, false);  // red above blue
    CGContextDrawImage(context, CGRectMake(0, 0, 2, 2), image);
    EXPECT_EQ(argbAt(context, 0, 0), (Argb{255, 255, 0, 0}));
    EXPECT_EQ(argbAt(context, 1, 1), (Argb{255, 0, 0, 255}));
    const auto wide = makeArgbContext(4, 1);
    const auto pair =
        std::make_shared<const CGImage>(2, 1, std::vector<uint32_t>{0xff000000, 0xffffffff}, false);
    CGContextDrawImage(wide, CGRectMake(0, 0, 4, 1), pair);
    EXPECT_EQ(argbAt(wide, 0, 0).r, 0);
    EXPECT_GT(argbAt(wide, 1, 0).r, 40);  // interpolated, not a hard step
    EXPECT_LT(argbAt(wide, 1, 0).r, 200);
    EXPECT_EQ(argbAt(wide, 3, 0).r, 255);
}

// An image whose rectangle lies on whole pixels is painted without a coverage mask of its own; it
// must change exactly what a masked shape would: its rectangle, through the clip.
TEST(Images, ImageOnWholePixelsChangesOnlyItsRectangleThroughTheClip) {
    const auto context = makeArgbContext(4, 2);
    CGContextSetRGBFillColor(context, 0, 1, 0, 1);
    CGContextFillRect(context, CGRectMake(0, 0, 4, 2));
    CGContextSetBlendMode(context, kCGBlendModeCopy);
    CGContextClipToRect(context, CGRectMake(0, 0, 2, 2));
    CGContextDrawImage(context, CGRectMake(1, 0, 2, 1), solidImage(2, 1, 0x80000080));
    const Argb green{255, 0, 255, 0};
    EXPECT_EQ(argbAt(context, 1, 1), (Argb{128, 0, 0, 128}));  // replaced, not blended
    EXPECT_EQ(argbAt(context, 0, 1), green);                   // beside the image
    EXPECT_EQ(argbAt(context, 2, 1), green);                   // in the image, outside the clip
    EXPECT_EQ(argbAt(context, 1, 0), green);                   // above the image
}

TEST(Images, PatternColoursTileFromTheTopLeft) {
    const auto tile =
        std::make_shared<const CGImage>(2, 1, std::vector<uint32_t>{0xffff0000, 0xff00ff00}, false);
    const auto context = makeArgbContext(5, 1);
    CGContextSetFillColorWithColor(context, CGColorCreateWithPatternImage(tile, 1));
    CGContextFillRect(context, CGRectMake(0, 0, 5, 1));
    EXPECT_EQ(argbAt(context, 0, 0).r, 255);
    EXPECT_EQ(argbAt(context, 1, 0).g, 255);
    EXPECT_EQ(argbAt(context, 4, 0).r, 255);
}

TEST(Images, GlobalAlphaScalesWhatIsDrawn) {
    const auto context = makeArgbContext(1, 1);
    CGContextSetAlpha(context, 0.5);
    CGContextDrawImage(context, CGRectMake(0, 0, 1, 1), solidImage(1, 1, 0xffffffff));
    EXPECT_TRUE(near(argbAt(context, 0, 0), {128, 128, 128, 128}));
}

TEST(Robustness, HostileGeometryDrawsNothingOrSomethingButNeverFails) {
    const auto context = makeArgbContext(8, 8);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    CGContextFillRect(context, CGRectMake(-1e300, -1e300, 2e300, 2e300));
    EXPECT_EQ(alphaAt(context, 4, 4), 255);
    CGContextClearRect(context, CGRectMake(0, 0, 8, 8));
    CGContextFillRect(context, CGRectMake(nan, 0, 4, 4));
    CGContextAddArc(context, 4, 4, nan, 0, 1, 0);
    CGContextFillPath(context);
    CGContextSetShadowWithColor(context, {1e9, 1e9}, 1e12, opaqueBlack());
    CGContextFillRect(context, CGRectMake(2, 2, 2, 2));
    CGContextScaleCTM(context, 0, 0);  // singular: strokes, images and gradients are skipped
    CGContextStrokeRect(context, CGRectMake(0, 0, 4, 4));
    CGContextDrawImage(context, CGRectMake(0, 0, 4, 4), solidImage(1, 1, 0xffffffff));
    EXPECT_EQ(alphaAt(context, 0, 0), 0);
}

}  // namespace
