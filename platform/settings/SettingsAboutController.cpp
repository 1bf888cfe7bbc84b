#include "platform/settings/SettingsAboutController.h"

#include "platform/runtime/Runtime.h"
#include "platform/settings/PSSpecifier.h"
#include "platform/settings/SettingsApp.h"
#include "platform/ui/views/UIDevice.h"

namespace {

std::shared_ptr<PSSpecifier> titleValue(std::string title, std::string value) {
    return std::make_shared<PSSpecifier>(
        std::move(title), PSTitleValueCell,
        PlistDictionary{{"default", PlistValue::string(std::move(value))}});
}

}  // namespace

Class SettingsAboutController::classObject() {
    static const Class cls = defineClass<SettingsAboutController>("SettingsAboutController",
                                                                  PSListController::classObject());
    return cls;
}

SettingsAboutController::SettingsAboutController() = default;

const PSListController::Specifiers& SettingsAboutController::specifiers() {
    if (_specifiers.empty()) {
        const auto& about = SettingsApp::shared().about();
        _specifiers = {
            std::make_shared<PSSpecifier>("", PSGroupCell, PlistDictionary{}),
            titleValue("Name", about.name),
            titleValue("Model", about.model),
            titleValue("Version", UIDevice::currentDevice().systemVersion()),
        };
    }
    return _specifiers;
}
