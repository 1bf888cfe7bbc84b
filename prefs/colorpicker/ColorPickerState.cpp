#include "prefs/colorpicker/ColorPickerState.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/graphics/UIColor.h"
#include "prefs/colorpicker/ColorFunctions.h"

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

CGPoint pointForHueAndSaturation(double hue, double saturation) {
    return {saturation * std::cos(kTwoPi * hue), saturation * std::sin(kTwoPi * hue)};
}

}  // namespace

ColorPickerState ColorPickerState::initWithHue_saturation_brightness_alpha(double hue,
                                                                           double saturation,
                                                                           double brightness,
                                                                           double alpha) {
    return {pointForHueAndSaturation(hue, saturation), brightness, alpha};
}

ColorPickerState ColorPickerState::initWithScaledRelativePoint_brightness_alpha(CGPoint point,
                                                                                double brightness,
                                                                                double alpha) {
    return {point, brightness, alpha};
}

ColorPickerState ColorPickerState::initWithColor(const std::shared_ptr<UIColor>& color) {
    CGFloat components[4];
    GetComponentsForColor(components, color);
    CGFloat hue = 0, saturation = 0, brightness = 0, alpha = 0;
    UIColor::colorWithRed_green_blue_alpha(components[0], components[1], components[2],
                                           components[3])
        ->getHue_saturation_brightness_alpha(&hue, &saturation, &brightness, &alpha);
    return initWithHue_saturation_brightness_alpha(hue, saturation, brightness, alpha);
}

ColorPickerState ColorPickerState::stateForPoint_size_padding(CGPoint point, double size,
                                                              double padding) {
    const double half = size * 0.5;
    const double radius = half - padding;
    if (radius == 0) return {{0, 0}, 1, 1};
    return {{(point.x - half) / radius, (half - point.y) / radius}, 1, 1};
}

CGPoint ColorPickerState::selectionLocationWithSize_padding(double size, double padding) const {
    const double half = size * 0.5;
    const double radius = half - padding;
    return {half + radius * scaledRelativePoint_.x, half - radius * scaledRelativePoint_.y};
}

double ColorPickerState::hue() const {
    double angle = std::atan2(scaledRelativePoint_.y, scaledRelativePoint_.x);
    if (angle < 0) angle += kTwoPi;
    return angle / kTwoPi;
}

double ColorPickerState::saturation() const {
    const double x = scaledRelativePoint_.x, y = scaledRelativePoint_.y;
    return std::min(std::sqrt(x * x + y * y), 1.0);
}

std::shared_ptr<UIColor> ColorPickerState::color() const {
    return UIColor::colorWithHue_saturation_brightness_alpha(hue(), saturation(), brightness_,
                                                             alpha_);
}

ColorPickerState ColorPickerState::stateBySettingHue(double hue) const {
    return {pointForHueAndSaturation(hue, saturation()), brightness_, alpha_};
}

ColorPickerState ColorPickerState::stateBySettingSaturation(double saturation) const {
    return {pointForHueAndSaturation(hue(), saturation), brightness_, alpha_};
}

ColorPickerState ColorPickerState::stateBySettingBrightness(double brightness) const {
    return {scaledRelativePoint_, brightness, alpha_};
}

ColorPickerState ColorPickerState::stateBySettingAlpha(double alpha) const {
    return {scaledRelativePoint_, brightness_, alpha};
}
