#include "prefs/selectedColorCell_plakko.h"

#include "platform/runtime/Runtime.h"

Class selectedColorCell_plakko::classObject() {
    static const Class cls = defineClass<selectedColorCell_plakko>("selectedColorCell_plakko",
                                                                   ColorPreviewCell::classObject());
    return cls;
}

selectedColorCell_plakko::selectedColorCell_plakko() : ColorPreviewCell(kNoteColorKeys) {}
