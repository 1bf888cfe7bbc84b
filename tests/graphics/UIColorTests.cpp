#include <gtest/gtest.h>

#include <cmath>

#include "platform/graphics/UIBezierPath.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/graphics/UIImage.h"
#include "tests/graphics/PixelProbe.h"

namespace {

TEST(UIColor, ReadsBackAsTheColourSpaceAllows) {
    CGFloat r = -1, g = -1, b = -1, a = -1, w = -1;
    const auto rgb = UIColor::colorWithRed_green_blue_alpha(0.2, 0.4, 0.6, 0.8);
    EXPECT_TRUE(rgb->getRed_green_blue_alpha(&r, &g, &b, &a));
    EXPECT_EQ((std::array{r, g, b, a}), (std::array{0.2, 0.4, 0.6, 0.8}));
    EXPECT_FALSE(rgb->getWhite_alpha(&w, &a));

    const auto grey = UIColor::colorWithWhite_alpha(0.3, 1);
    EXPECT_TRUE(grey->getWhite_alpha(&w, nullptr));
    EXPECT_EQ(w, 0.3);
    EXPECT_TRUE(grey->getRed_green_blue_alpha(&r, &g, &b, nullptr));
    EXPECT_EQ((std::array{r, g, b}), (std::array{0.3, 0.3, 0.3}));
    EXPECT_EQ(CGColorGetNumberOfComponents(grey->CGColor()), 2u);
    EXPECT_EQ(CGColorSpaceGetModel(CGColorGetColorSpace(grey->CGColor())),
              kCGColorSpaceModelMonochrome);

    const auto clamped = UIColor::colorWithRed_green_blue_alpha(1.5, -1, std::nan(""), 2);
    EXPECT_TRUE(clamped->getRed_green_blue_alpha(&r, &g, &b, &a));
    EXPECT_EQ((std::array{r, g, b, a}), (std::array{1.0, 0.0, 0.0, 1.0}));
}

TEST(UIColor, HueSaturationBrightnessRoundTrip) {
    CGFloat h, s, v, a, r, g, b;
    const auto cyan = UIColor::colorWithHue_saturation_brightness_alpha(0.5, 1, 1, 1);
    ASSERT_TRUE(cyan->getRed_green_blue_alpha(&r, &g, &b, &a));
    EXPECT_EQ((std::array{r, g, b}), (std::array{0.0, 1.0, 1.0}));
    EXPECT_TRUE(UIColor::colorWithHue_saturation_brightness_alpha(1, 1, 1, 1)
                    ->getRed_green_blue_alpha(&r, &g, &b, &a));
    EXPECT_EQ((std::array{r, g, b}), (std::array{1.0, 0.0, 0.0}));

    const auto color = UIColor::colorWithHue_saturation_brightness_alpha(0.7, 0.6, 0.5, 0.4);
    ASSERT_TRUE(color->getHue_saturation_brightness_alpha(&h, &s, &v, &a));
    EXPECT_NEAR(h, 0.7, 1e-12);
    EXPECT_NEAR(s, 0.6, 1e-12);
    EXPECT_NEAR(v, 0.5, 1e-12);
    EXPECT_EQ(a, 0.4);
    ASSERT_TRUE(UIColor::colorWithWhite_alpha(0.4, 1)->getHue_saturation_brightness_alpha(
        &h, &s, &v, nullptr));
    EXPECT_EQ((std::array{h, s, v}), (std::array{0.0, 0.0, 0.4}));
}

// A pattern colour answers neither as RGB nor as grey; rendering it into a 1×1 premultiplied-last
// bitmap is the way to its colour.
TEST(UIColor, PatternColoursAreMeasuredByRendering) {
    const auto tile = UIImage::imageWithCGImage(
        std::make_shared<const CGImage>(1, 1, std::vector<uint32_t>{0x80402010}, false));
    const auto pattern = UIColor::colorWithPatternImage(tile);
    CGFloat r = -1, w = -1;
    EXPECT_FALSE(pattern->getRed_green_blue_alpha(&r, nullptr, nullptr, nullptr));
    EXPECT_FALSE(pattern->getWhite_alpha(&w, nullptr));
    EXPECT_FALSE(pattern->getHue_saturation_brightness_alpha(nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(r, -1);
    EXPECT_EQ(CGColorSpaceGetModel(CGColorGetColorSpace(pattern->CGColor())),
              kCGColorSpaceModelPattern);

    uint8_t pixel[4] = {};
    const auto context = CGBitmapContextCreate(pixel, 1, 1, 8, 4, CGColorSpaceCreateDeviceRGB(),
                                               kCGImageAlphaPremultipliedLast);
    CGContextSetFillColorWithColor(context, pattern->CGColor());
    CGContextFillRect(context, CGRectMake(0, 0, 1, 1));
    EXPECT_EQ((std::array<int, 4>{pixel[0], pixel[1], pixel[2], pixel[3]}),
              (std::array<int, 4>{0x40, 0x20, 0x10, 0x80}));
}

TEST(UIColor, SetFillPaintsTheCurrentContext) {
    UIGraphicsBeginImageContextWithOptions({1, 1}, false, 1);
    UIColor::colorWithRed_green_blue_alpha(0, 0, 1, 1)->set();
    CGContextFillRect(UIGraphicsGetCurrentContext(), CGRectMake(0, 0, 1, 1));
    EXPECT_EQ(argbAt(UIGraphicsGetCurrentContext(), 0, 0), (Argb{255, 0, 0, 255}));
    UIGraphicsEndImageContext();
    UIColor::whiteColor()->setFill();  // no current context: nothing happens
}

}  // namespace

TEST(UIBezierPathTest, RectanglesAndOvalsKeepTheirOutline) {
    const auto rect = UIBezierPath::bezierPathWithRect(CGRectMake(11, 11, 278, 278));
    EXPECT_EQ(rect->bounds(), CGRectMake(11, 11, 278, 278));
    EXPECT_TRUE(rect->containsPoint({12, 12}));
    const auto oval = UIBezierPath::bezierPathWithOvalInRect(CGRectMake(11, 11, 278, 278));
    EXPECT_EQ(CGPathGetBoundingBox(oval->CGPath()), CGRectMake(11, 11, 278, 278));
    EXPECT_FALSE(oval->containsPoint({12, 12})) << "the corner is outside the oval";
    EXPECT_TRUE(oval->containsPoint({150, 150}));
}
