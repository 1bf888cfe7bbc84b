#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "platform/foundation/NSAssertionHandler.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"
#include "prefs/colorpicker/ColorFunctions.h"
#include "tests/graphics/PixelProbe.h"

namespace {

using Components = std::array<CGFloat, 4>;

Components componentsOf(const std::shared_ptr<UIColor>& color) {
    Components c{-1, -1, -1, -1};
    GetComponentsForColor(c.data(), color);
    return c;
}

std::shared_ptr<UIColor> patternOf(uint32_t nativePixel) {
    return UIColor::colorWithPatternImage(UIImage::imageWithCGImage(
        std::make_shared<const CGImage>(1, 1, std::vector<uint32_t>{nativePixel}, false)));
}

// A colour type that, unlike the platform's, refuses to read a grey as RGB.
struct GreyOnlyColor {
    CGFloat white, alpha;
    bool getRed_green_blue_alpha(CGFloat*, CGFloat*, CGFloat*, CGFloat*) const { return false; }
    bool getWhite_alpha(CGFloat* w, CGFloat* a) const {
        *w = white;
        *a = alpha;
        return true;
    }
    CGColorRef CGColor() const { return nullptr; }
};

}  // namespace

TEST(PixelFromHSV, SectorsEdgesAndGreys) {
    EXPECT_EQ(PixelFromHSV(0, 1, 1), BMPixelMake(1, 0, 0, 1));
    EXPECT_EQ(PixelFromHSV(1.0, 1, 1), BMPixelMake(1, 0, 0, 1));
    EXPECT_EQ(PixelFromHSV(0.5, 1, 1), BMPixelMake(0, 1, 1, 1));
    EXPECT_EQ(PixelFromHSV(1.0 / 3, 1, 1), BMPixelMake(0, 1, 0, 1));
    EXPECT_EQ(PixelFromHSV(0.73, 0, 0.4), BMPixelMake(0.4, 0.4, 0.4, 1));

    const BMPixel magenta = PixelFromHSV(5.0 / 6 + 1e-6, 1, 1);
    EXPECT_EQ(magenta.red, 1);
    EXPECT_EQ(magenta.green, 0);
    EXPECT_LT(magenta.blue, 1);
    EXPECT_GT(magenta.blue, 0.9999);

    // One point in each sector, checked against the sector table.
    EXPECT_EQ(PixelFromHSV(1.0 / 12, 1, 1), BMPixelMake(1, 0.5, 0, 1));
    EXPECT_EQ(PixelFromHSV(3.0 / 12, 1, 1), BMPixelMake(0.5, 1, 0, 1));
    EXPECT_EQ(PixelFromHSV(5.0 / 12, 1, 0.5), BMPixelMake(0, 0.5, 0.25, 1));
    EXPECT_EQ(PixelFromHSV(7.0 / 12, 1, 1), BMPixelMake(0, 0.5, 1, 1));
    EXPECT_EQ(PixelFromHSV(9.0 / 12, 0.5, 1), BMPixelMake(0.75, 0.5, 1, 1));
    EXPECT_EQ(PixelFromHSV(11.0 / 12, 1, 1), BMPixelMake(1, 0, 0.5, 1));

    // Hues outside 0…1 fall into the last sector's formula instead of failing.
    EXPECT_EQ(PixelFromHSV(1.5, 1, 1), BMPixelMake(1, 0, 1, 1));
    EXPECT_EQ(PixelFromHSV(-0.25, 1, 1).alpha, 1);
}

TEST(HSVFromPixel, RoundTripsAndIgnoresAlpha) {
    for (const double hue : {0.0, 0.1, 0.25, 0.4, 0.5, 0.65, 0.8, 0.95}) {
        double h = -1, s = -1, v = -1;
        BMPixel pixel = PixelFromHSV(hue, 0.6, 0.9);
        pixel.alpha = 0.2;
        HSVFromPixel(pixel, &h, &s, &v);
        EXPECT_NEAR(h, hue, 1e-12);
        EXPECT_NEAR(s, 0.6, 1e-12);
        EXPECT_NEAR(v, 0.9, 1e-12);
    }
    double h = -1, s = -1, v = -1;
    HSVFromPixel(BMPixelMake(0.3, 0.3, 0.3, 0), &h, &s, &v);
    EXPECT_EQ((std::array{h, s, v}), (std::array{0.0, 0.0, 0.3}));
    HSVFromPixel(BMPixelMake(0.3, 0.3, 0.3, 1), nullptr, nullptr, &v);
    EXPECT_EQ(v, 0.3);
}

TEST(GetComponentsForColor, ReadsRGBThenWhiteThenRenders) {
    EXPECT_EQ(componentsOf(UIColor::colorWithRed_green_blue_alpha(0.2, 0.4, 0.6, 0.8)),
              (Components{0.2, 0.4, 0.6, 0.8}));
    EXPECT_EQ(componentsOf(UIColor::colorWithWhite_alpha(0.3, 0.5)),
              (Components{0.3, 0.3, 0.3, 0.5}));

    Components grey{-1, -1, -1, -1};
    GetComponentsForColor(grey.data(), GreyOnlyColor{0.25, 0.75});
    EXPECT_EQ(grey, (Components{0.25, 0.25, 0.25, 0.75}));

    // A pattern of alpha 0x80 over premultiplied (0x40, 0x20, 0x10): the bytes come back divided
    // by the quantised alpha.
    const double alpha = 128 / 255.0;
    const Components measured = componentsOf(patternOf(0x80402010));
    EXPECT_EQ(measured[3], alpha);
    EXPECT_EQ(measured[0], 64 / 255.0 / alpha);
    EXPECT_EQ(measured[1], 32 / 255.0 / alpha);
    EXPECT_EQ(measured[2], 16 / 255.0 / alpha);

    EXPECT_EQ(componentsOf(patternOf(0x00000000)), (Components{0, 0, 0, 0}));
    EXPECT_EQ(componentsOf(patternOf(0xFF00FF00)), (Components{0, 1, 0, 1}));
    EXPECT_EQ(componentsOf(nullptr), (Components{0, 0, 0, 0}));
}

TEST(UIImageWithScale, RewrapsTheSamePixels) {
    const auto pixels = std::make_shared<const CGImage>(4, 2, std::vector<uint32_t>(8), false);
    const auto image =
        UIImage::imageWithCGImage_scale_orientation(pixels, 1, UIImageOrientationLeft);
    const auto rescaled = UIImageWithScale(image, 2);
    EXPECT_EQ(rescaled->CGImage(), pixels);
    EXPECT_EQ(rescaled->scale(), 2);
    EXPECT_EQ(rescaled->imageOrientation(), UIImageOrientationUp);
    EXPECT_EQ(rescaled->size(), (CGSize{2, 1}));
    EXPECT_EQ(UIImageWithScale(nullptr, 2), nullptr);
}

TEST(OpacityBackgroundImage, ColourTopLeftAndBottomRightWhiteElsewhere) {
    const auto tile = OpacityBackgroundImage(20, 2, UIColor::colorWithWhite_alpha(0.5, 1));
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->scale(), 2);
    EXPECT_EQ(tile->imageOrientation(), UIImageOrientationUp);
    EXPECT_EQ(tile->size(), (CGSize{20, 20}));
    const CGImageRef& pixels = tile->CGImage();
    ASSERT_EQ(CGImageGetWidth(pixels), 40u);
    ASSERT_EQ(CGImageGetHeight(pixels), 40u);
    const Argb grey{255, 128, 128, 128}, white{255, 255, 255, 255};
    for (size_t y = 0; y < 40; ++y) {
        for (size_t x = 0; x < 40; ++x) {
            const bool colourQuarter = (x < 20) == (y < 20);
            ASSERT_EQ(imagePixel(pixels, x, y), colourQuarter ? grey : white) << x << "," << y;
        }
    }

    // Without a colour its quarters stay transparent.
    const auto bare = OpacityBackgroundImage(2, 1, nullptr);
    EXPECT_EQ(imagePixel(bare->CGImage(), 0, 0), (Argb{0, 0, 0, 0}));
    EXPECT_EQ(imagePixel(bare->CGImage(), 1, 0), white);
}

TEST(OpacityBackgroundImage, RefusesEmptyTilesNamingTheCondition) {
    const auto grey = UIColor::grayColor();
    auto failure = [&](double length, double scale) {
        try {
            OpacityBackgroundImage(length, scale, grey);
        } catch (const AssertionFailure& e) {
            return std::string(e.what());
        }
        return std::string("no failure");
    };
    EXPECT_NE(failure(0, 2).find("length > 0"), std::string::npos);
    EXPECT_NE(failure(0, 2).find("OpacityBackgroundImage, ColorFunctions"), std::string::npos);
    EXPECT_NE(failure(std::nan(""), 2).find("length > 0"), std::string::npos);
    EXPECT_NE(failure(-1, 0).find("length > 0"), std::string::npos);
    EXPECT_NE(failure(16, 0).find("scale > 0"), std::string::npos);
    EXPECT_NE(failure(16, -2).find("scale > 0"), std::string::npos);
}

TEST(RandomColorOpaque, DrawsHueSaturationBrightnessAlphaInOrder) {
    const std::vector<uint32_t> draws{0x12345640, 0xFFFFFF7F, 0x80, 0x0100};
    size_t next = 0;
    auto sequence = [&] { return draws.at(next++); };
    CGFloat h, s, v, a;

    ASSERT_TRUE(
        RandomColorOpaque(false, sequence)->getHue_saturation_brightness_alpha(&h, &s, &v, &a));
    EXPECT_EQ(next, 4u);
    EXPECT_NEAR(h, 0x40 / 256.0, 1e-12);
    EXPECT_NEAR(s, 0x7F / 256.0 + 0.5, 1e-12);
    EXPECT_NEAR(v, 0.5, 1e-12);
    EXPECT_EQ(a, 0.5);

    next = 0;
    ASSERT_TRUE(
        RandomColorOpaque(true, sequence)->getHue_saturation_brightness_alpha(&h, &s, &v, &a));
    EXPECT_EQ(next, 3u);
    EXPECT_EQ(a, 1);

    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(RandomColorOpaque(false)->getHue_saturation_brightness_alpha(&h, &s, &v, &a));
        EXPECT_GE(a, 0.5);
        EXPECT_LE(a, 0.99609375);
        EXPECT_GE(v, 0.5);
        EXPECT_LE(v, 0.99609375);
    }
}
