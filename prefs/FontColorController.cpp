#include "prefs/FontColorController.h"

#include "platform/runtime/Runtime.h"

Class FontColorController::classObject() {
    static const Class cls = defineClass<FontColorController>(
        "FontColorController", ColorPaneController::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "apply",
                +[](id self, SEL) { static_cast<FontColorController*>(self)->saveColor(); });
        });
    return cls;
}

FontColorController::FontColorController()
    : ColorPaneController({"FontColorController", "colorPicker", kTextColorKeys}) {}
