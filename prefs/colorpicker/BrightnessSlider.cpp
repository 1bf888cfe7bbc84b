#include "prefs/colorpicker/BrightnessSlider.h"

#include "platform/runtime/Runtime.h"
#include "prefs/colorpicker/ColorPickerView.h"

Class BrightnessSlider::classObject() {
    static const Class cls =
        defineClass<BrightnessSlider>("BrightnessSlider", ColorPickerSlider::classObject());
    return cls;
}

double BrightnessSlider::valueOfPicker(const ColorPickerView& picker) const {
    return picker.brightness();
}

void BrightnessSlider::setValueOfPicker(ColorPickerView& picker, double value) const {
    picker.setBrightness(value);
}
