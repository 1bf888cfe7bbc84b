#include "platform/settings/SettingsRootController.h"

#include "platform/runtime/Runtime.h"
#include "platform/settings/PSSpecifier.h"
#include "platform/settings/PreferenceBundleLoader.h"

Class SettingsRootController::classObject() {
    static const Class cls = defineClass<SettingsRootController>("SettingsRootController",
                                                                 PSListController::classObject());
    return cls;
}

SettingsRootController::SettingsRootController() {
    setTitle("Settings");
}

const PSListController::Specifiers& SettingsRootController::specifiers() {
    if (!_specifiers.empty()) return _specifiers;
    _specifiers.push_back(std::make_shared<PSSpecifier>("", PSGroupCell, PlistDictionary{}));
    _specifiers.push_back(std::make_shared<PSSpecifier>(
        "General", PSLinkCell,
        PlistDictionary{{"detail", PlistValue::string("SettingsGeneralController")}}));
    auto entries = PreferenceBundleLoader::entrySpecifiers();
    if (!entries.empty()) {
        _specifiers.push_back(std::make_shared<PSSpecifier>("", PSGroupCell, PlistDictionary{}));
        _specifiers.insert(_specifiers.end(), entries.begin(), entries.end());
    }
    return _specifiers;
}
