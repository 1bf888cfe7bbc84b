#include "prefs/PlakkoDurationSliderCell.h"

#include "platform/runtime/Runtime.h"
#include "platform/settings/PSValueText.h"

Class PlakkoDurationSliderCell::classObject() {
    static const Class cls = defineClass<PlakkoDurationSliderCell>(
        "PlakkoDurationSliderCell", PSSliderTableCell::classObject());
    return cls;
}

PlakkoDurationSliderCell::PlakkoDurationSliderCell() = default;

std::string PlakkoDurationSliderCell::textForValue(float tenths) const {
    return PSValueText::numberText(tenths / 10.0) + " s";
}
