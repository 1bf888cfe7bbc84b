#pragma once

#include "prefs/colorpicker/ColorPickerSlider.h"

// Sets its wheel's opacity, over a gradient from transparent to white laid on a checkerboard
// (once it is in a window, at the window's scale).
class OpacitySlider : public ColorPickerSlider {
    RUNTIME_CLASS(OpacitySlider)
    using ColorPickerSlider::ColorPickerSlider;
    static std::shared_ptr<OpacitySlider> initWithFrame(CGRect frame) {
        return make<OpacitySlider>(frame);
    }

    void didMoveToWindow() override;

private:
    double valueOfPicker(const ColorPickerView& picker) const override;
    void setValueOfPicker(ColorPickerView& picker, double value) const override;
    CGFloat gradientStartAlpha() const override { return 0.0; }
};
