#include "prefs/selectedColorCell.h"

#include "platform/runtime/Runtime.h"

Class selectedColorCell::classObject() {
    static const Class cls =
        defineClass<selectedColorCell>("selectedColorCell", ColorPreviewCell::classObject());
    return cls;
}

selectedColorCell::selectedColorCell() : ColorPreviewCell(kTextColorKeys) {}
