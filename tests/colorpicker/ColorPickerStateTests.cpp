#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "platform/graphics/UIColor.h"
#include "prefs/colorpicker/ColorPickerState.h"

namespace {

constexpr double kSize = 300, kPadding = 11;

std::array<CGFloat, 4> rgba(const std::shared_ptr<UIColor>& color) {
    std::array<CGFloat, 4> c{-1, -1, -1, -1};
    EXPECT_TRUE(color->getRed_green_blue_alpha(&c[0], &c[1], &c[2], &c[3]));
    return c;
}

}  // namespace

TEST(ColorPickerState, ViewPointsMapOntoTheWheelWithYUp) {
    const auto centre = ColorPickerState::stateForPoint_size_padding({150, 150}, kSize, kPadding);
    EXPECT_EQ(centre.scaledRelativePoint(), (CGPoint{0, 0}));
    EXPECT_EQ(centre.hue(), 0);
    EXPECT_EQ(centre.saturation(), 0);
    EXPECT_EQ(centre.brightness(), 1);
    EXPECT_EQ(centre.alpha(), 1);

    const auto right = ColorPickerState::stateForPoint_size_padding({289, 150}, kSize, kPadding);
    EXPECT_EQ(right.scaledRelativePoint(), (CGPoint{1, 0}));
    EXPECT_EQ(right.hue(), 0);
    EXPECT_EQ(right.saturation(), 1);

    const auto top = ColorPickerState::stateForPoint_size_padding({150, 11}, kSize, kPadding);
    EXPECT_EQ(top.hue(), 0.25);
    EXPECT_EQ(ColorPickerState::stateForPoint_size_padding({11, 150}, kSize, kPadding).hue(), 0.5);
    EXPECT_EQ(ColorPickerState::stateForPoint_size_padding({150, 289}, kSize, kPadding).hue(),
              0.75);

    // Points beyond the selectable area are kept as they are; only the saturation is capped.
    const auto outside = ColorPickerState::stateForPoint_size_padding({-50, 400}, kSize, kPadding);
    EXPECT_NEAR(outside.scaledRelativePoint().x, -200.0 / 139, 1e-15);
    EXPECT_NEAR(outside.scaledRelativePoint().y, -250.0 / 139, 1e-15);
    EXPECT_EQ(outside.saturation(), 1);
}

TEST(ColorPickerState, SelectionLocationInvertsStateForPoint) {
    for (const CGPoint point : {CGPoint{150, 150}, CGPoint{289, 150}, CGPoint{37.5, 201.25},
                                CGPoint{-50, 400}, CGPoint{299, 0}}) {
        const CGPoint back = ColorPickerState::stateForPoint_size_padding(point, kSize, kPadding)
                                 .selectionLocationWithSize_padding(kSize, kPadding);
        EXPECT_NEAR(back.x, point.x, 1e-12);
        EXPECT_NEAR(back.y, point.y, 1e-12);
    }
}

TEST(ColorPickerState, WithoutAUsableRadiusEveryPointIsTheCentre) {
    const auto state = ColorPickerState::stateForPoint_size_padding({3, 40}, 22, 11);
    EXPECT_EQ(state.scaledRelativePoint(), (CGPoint{0, 0}));
}

TEST(ColorPickerState, SettersChangeOneQuantityAndLeaveTheReceiver) {
    const auto far =
        ColorPickerState::initWithScaledRelativePoint_brightness_alpha({3, 4}, 0.6, 0.4);
    EXPECT_EQ(far.saturation(), 1);
    EXPECT_EQ(far.scaledRelativePoint(), (CGPoint{3, 4}));

    // Setting the hue keeps the capped saturation: the point lands on the circle.
    const auto rehued = far.stateBySettingHue(0.5);
    EXPECT_NEAR(rehued.scaledRelativePoint().x, -1, 1e-15);
    EXPECT_NEAR(rehued.scaledRelativePoint().y, 0, 1e-15);
    EXPECT_EQ(rehued.brightness(), 0.6);
    EXPECT_EQ(rehued.alpha(), 0.4);
    EXPECT_EQ(far.scaledRelativePoint(), (CGPoint{3, 4}));

    const auto desaturated = far.stateBySettingSaturation(0.5);
    EXPECT_NEAR(desaturated.scaledRelativePoint().x, 0.3, 1e-15);
    EXPECT_NEAR(desaturated.scaledRelativePoint().y, 0.4, 1e-15);

    const auto dimmer = far.stateBySettingBrightness(0.25).stateBySettingAlpha(0.9);
    EXPECT_EQ(dimmer.scaledRelativePoint(), (CGPoint{3, 4}));
    EXPECT_EQ(dimmer.brightness(), 0.25);
    EXPECT_EQ(dimmer.alpha(), 0.9);
}

TEST(ColorPickerState, ColourRoundTrips) {
    const auto state = ColorPickerState::initWithHue_saturation_brightness_alpha(0.5, 1, 0.5, 0.25);
    EXPECT_EQ(rgba(state.color()), (std::array<CGFloat, 4>{0, 0.5, 0.5, 0.25}));

    const auto back =
        ColorPickerState::initWithColor(UIColor::colorWithRed_green_blue_alpha(0.2, 0.4, 0.8, 0.5));
    EXPECT_NEAR(back.hue(), 220.0 / 360, 1e-12);
    EXPECT_NEAR(back.saturation(), 0.75, 1e-12);
    EXPECT_EQ(back.brightness(), 0.8);
    EXPECT_EQ(back.alpha(), 0.5);
    const auto c = rgba(back.color());
    EXPECT_NEAR(c[0], 0.2, 1e-12);
    EXPECT_NEAR(c[1], 0.4, 1e-12);
    EXPECT_NEAR(c[2], 0.8, 1e-12);
    EXPECT_EQ(c[3], 0.5);
}

TEST(ColorPickerState, GreysAndMissingColoursSitAtTheCentre) {
    const auto grey = ColorPickerState::initWithColor(UIColor::colorWithWhite_alpha(0.3, 0.6));
    EXPECT_EQ(grey.scaledRelativePoint(), (CGPoint{0, 0}));
    EXPECT_EQ(grey.brightness(), 0.3);
    EXPECT_EQ(grey.alpha(), 0.6);

    const auto white = ColorPickerState::initWithColor(UIColor::whiteColor());
    EXPECT_EQ(white.scaledRelativePoint(), (CGPoint{0, 0}));
    EXPECT_EQ(rgba(white.color()), (std::array<CGFloat, 4>{1, 1, 1, 1}));

    const auto none = ColorPickerState::initWithColor(nullptr);
    EXPECT_EQ(none.scaledRelativePoint(), (CGPoint{0, 0}));
    EXPECT_EQ(none.brightness(), 0);
    EXPECT_EQ(none.alpha(), 0);
}
