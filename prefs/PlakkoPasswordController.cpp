#include "prefs/PlakkoPasswordController.h"

#include "platform/runtime/Runtime.h"

Class PlakkoPasswordController::classObject() {
    static const Class cls = defineClass<PlakkoPasswordController>("PlakkoPasswordController",
                                                                   PSListController::classObject());
    return cls;
}

PlakkoPasswordController::PlakkoPasswordController() = default;

const PSListController::Specifiers& PlakkoPasswordController::specifiers() {
    return specifiersLoadedFromPlistName("PlakkoPasswordController");
}
