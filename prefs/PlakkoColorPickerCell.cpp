#include "prefs/PlakkoColorPickerCell.h"

#include "platform/runtime/Runtime.h"

Class PlakkoColorPickerCell::classObject() {
    static const Class cls =
        defineClass<PlakkoColorPickerCell>("PlakkoColorPickerCell", ColorWheelCell::classObject());
    return cls;
}

PlakkoColorPickerCell::PlakkoColorPickerCell() = default;
