#pragma once

#include <memory>

#include "platform/ui/views/UISlider.h"

class ColorPickerView;

// A slider from 0 to 1 that drives one quantity of a colour wheel (not owned) and shows a
// gradient of it behind its track. It follows what the user does to it only: a change made to
// the wheel by other means reaches it when the host sets the wheel again or sets the value.
class ColorPickerSlider : public UISlider {
    RUNTIME_CLASS(ColorPickerSlider)
    using UISlider::UISlider;

    std::shared_ptr<ColorPickerView> colorPicker() const { return colorPicker_.lock(); }
    // Takes the wheel's current value, unless there is no wheel.
    void setColorPicker(const std::shared_ptr<ColorPickerView>& picker);

    // Range 0…1, continuous, enabled and touchable, sending its changes to myValueChanged:.
    void initRoutine();
    void myValueChanged(UIControl* sender);
    void drawRect(CGRect rect) override;

protected:
    // Makes a slider of the subclass, set up.
    template <class Slider>
    static std::shared_ptr<Slider> make(CGRect frame) {
        auto slider = std::make_shared<Slider>(frame);
        slider->initRoutine();
        return slider;
    }

private:
    // What the subclass drives: read and written on the wheel.
    virtual double valueOfPicker(const ColorPickerView& picker) const = 0;
    virtual void setValueOfPicker(ColorPickerView& picker, double value) const = 0;
    // The alpha of the gradient's black left end; the right end is opaque white.
    virtual CGFloat gradientStartAlpha() const = 0;

    std::weak_ptr<ColorPickerView> colorPicker_;
};
