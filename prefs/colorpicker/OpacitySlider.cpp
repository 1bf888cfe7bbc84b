#include "prefs/colorpicker/OpacitySlider.h"

#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"
#include "prefs/colorpicker/ColorFunctions.h"
#include "prefs/colorpicker/ColorPickerView.h"

namespace {

constexpr double kCheckerboardLength = 16;

}  // namespace

Class OpacitySlider::classObject() {
    static const Class cls =
        defineClass<OpacitySlider>("OpacitySlider", ColorPickerSlider::classObject());
    return cls;
}

void OpacitySlider::didMoveToWindow() {
    const auto window = this->window();
    if (!window) return;
    setBackgroundColor(UIColor::colorWithPatternImage(OpacityBackgroundImage(
        kCheckerboardLength, window->screen().scale(), UIColor::colorWithWhite_alpha(0.5, 1.0))));
}

double OpacitySlider::valueOfPicker(const ColorPickerView& picker) const {
    return picker.opacity();
}

void OpacitySlider::setValueOfPicker(ColorPickerView& picker, double value) const {
    picker.setOpacity(value);
}
