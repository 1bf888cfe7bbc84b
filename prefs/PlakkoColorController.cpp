#include "prefs/PlakkoColorController.h"

#include "platform/runtime/Runtime.h"

Class PlakkoColorController::classObject() {
    static const Class cls = defineClass<PlakkoColorController>(
        "PlakkoColorController", ColorPaneController::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "apply_plakko",
                +[](id self, SEL) { static_cast<PlakkoColorController*>(self)->saveColor(); });
        });
    return cls;
}

PlakkoColorController::PlakkoColorController()
    : ColorPaneController({"PlakkoColorController", "plakkoColorPicker", kNoteColorKeys}) {}
