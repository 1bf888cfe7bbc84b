#pragma once

#include <memory>

#include "platform/graphics/CGGeometry.h"

class UIColor;

// The colour picker's selection. The point lives in the wheel's relative space: origin at the
// wheel centre, y up, one unit = the usable radius (half the wheel's size less the padding). Its
// angle gives the hue and its distance the saturation; it is not clamped, so it may lie outside
// the unit circle. A state never changes: every edit makes a new one.
class ColorPickerState {
public:
    static ColorPickerState initWithHue_saturation_brightness_alpha(double hue, double saturation,
                                                                    double brightness,
                                                                    double alpha);
    static ColorPickerState initWithScaledRelativePoint_brightness_alpha(CGPoint point,
                                                                         double brightness,
                                                                         double alpha);
    // A null colour reads as transparent black.
    static ColorPickerState initWithColor(const std::shared_ptr<UIColor>& color);
    // The state under a point of the view (y down), at brightness 1 and alpha 1. With no usable
    // radius (size / 2 equal to the padding) every point maps to the centre.
    static ColorPickerState stateForPoint_size_padding(CGPoint point, double size, double padding);

    CGPoint selectionLocationWithSize_padding(double size, double padding) const;

    CGPoint scaledRelativePoint() const { return scaledRelativePoint_; }
    // In [0, 1): the point's angle counter-clockwise from the positive x axis, over 2π.
    double hue() const;
    // The point's distance from the centre, capped at 1.
    double saturation() const;
    double brightness() const { return brightness_; }
    double alpha() const { return alpha_; }
    std::shared_ptr<UIColor> color() const;

    // Setting the hue keeps the capped saturation, so a point outside the circle moves onto it.
    ColorPickerState stateBySettingHue(double hue) const;
    ColorPickerState stateBySettingSaturation(double saturation) const;
    ColorPickerState stateBySettingBrightness(double brightness) const;
    ColorPickerState stateBySettingAlpha(double alpha) const;

private:
    ColorPickerState(CGPoint point, double brightness, double alpha)
        : scaledRelativePoint_(point), brightness_(brightness), alpha_(alpha) {}

    CGPoint scaledRelativePoint_;
    double brightness_;
    double alpha_;
};
