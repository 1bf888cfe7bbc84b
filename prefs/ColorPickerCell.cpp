#include "prefs/ColorPickerCell.h"

#include "platform/runtime/Runtime.h"

Class ColorPickerCell::classObject() {
    static const Class cls =
        defineClass<ColorPickerCell>("ColorPickerCell", ColorWheelCell::classObject());
    return cls;
}

ColorPickerCell::ColorPickerCell() = default;
