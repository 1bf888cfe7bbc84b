#pragma once

#include "prefs/colorpicker/ColorPickerSlider.h"

// Sets its wheel's brightness, over a gradient from black to white.
class BrightnessSlider : public ColorPickerSlider {
    RUNTIME_CLASS(BrightnessSlider)
    using ColorPickerSlider::ColorPickerSlider;
    static std::shared_ptr<BrightnessSlider> initWithFrame(CGRect frame) {
        return make<BrightnessSlider>(frame);
    }

private:
    double valueOfPicker(const ColorPickerView& picker) const override;
    void setValueOfPicker(ColorPickerView& picker, double value) const override;
    CGFloat gradientStartAlpha() const override { return 1.0; }
};
