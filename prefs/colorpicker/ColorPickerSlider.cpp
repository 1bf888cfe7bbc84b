#include "prefs/colorpicker/ColorPickerSlider.h"

#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "prefs/colorpicker/ColorPickerView.h"
#include "prefs/colorpicker/GreyGradient.h"

Class ColorPickerSlider::classObject() {
    static const Class cls = defineClass<ColorPickerSlider>(
        "ColorPickerSlider", UISlider::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:", +[](id self, SEL, CGRect rect) {
                    static_cast<ColorPickerSlider*>(self)->drawRect(rect);
                });
            c.addMethod(
                "myValueChanged:", +[](id self, SEL, UIControl* sender) {
                    static_cast<ColorPickerSlider*>(self)->myValueChanged(sender);
                });
        });
    return cls;
}

void ColorPickerSlider::initRoutine() {
    setMinimumValue(0.0f);
    setMaximumValue(1.0f);
    setContinuous(true);
    setEnabled(true);
    setUserInteractionEnabled(true);
    layer()->setNeedsDisplayOnBoundsChange(true);
    addTarget_action_forControlEvents(shared_from_this(),
                                      "myValueChanged:", UIControlEventValueChanged);
}

void ColorPickerSlider::setColorPicker(const std::shared_ptr<ColorPickerView>& picker) {
    colorPicker_ = picker;
    if (picker) setValue(static_cast<float>(valueOfPicker(*picker)));
}

void ColorPickerSlider::myValueChanged(UIControl*) {
    if (const auto picker = colorPicker()) setValueOfPicker(*picker, static_cast<double>(value()));
}

void ColorPickerSlider::drawRect(CGRect rect) {
    CGContextDrawLinearGradient(UIGraphicsGetCurrentContext(),
                                GreyGradient(0, gradientStartAlpha(), 1, 1), {0, 0},
                                {rect.size.width, 0}, 0);
}
