#include "platform/settings/SettingsGeneralController.h"

#include "platform/runtime/Runtime.h"
#include "platform/settings/PSSpecifier.h"

Class SettingsGeneralController::classObject() {
    static const Class cls = defineClass<SettingsGeneralController>(
        "SettingsGeneralController", PSListController::classObject());
    return cls;
}

SettingsGeneralController::SettingsGeneralController() = default;

const PSListController::Specifiers& SettingsGeneralController::specifiers() {
    if (_specifiers.empty()) {
        _specifiers = {
            std::make_shared<PSSpecifier>("", PSGroupCell, PlistDictionary{}),
            std::make_shared<PSSpecifier>(
                "About", PSLinkCell,
                PlistDictionary{{"detail", PlistValue::string("SettingsAboutController")}}),
        };
    }
    return _specifiers;
}
