#include "prefs/ColorPaneController.h"

#include "common/SettingsKeys.h"
#include "platform/foundation/CFPreferences.h"
#include "platform/foundation/SystemLog.h"
#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "prefs/ColorWheelCell.h"

namespace {

void writeComponent(const char* key, CGFloat component) {
    CFPreferencesSetValue(key, PlistValue::float32(static_cast<float>(component)),
                          Settings::kDomain, kCFPreferencesCurrentUser, kCFPreferencesAnyHost);
}

}  // namespace

Class ColorPaneController::classObject() {
    static const Class cls =
        defineClass<ColorPaneController>("ColorPaneController", PSListController::classObject());
    return cls;
}

ColorPaneController::ColorPaneController(const Description& description)
    : description_(description) {}

const PSListController::Specifiers& ColorPaneController::specifiers() {
    return specifiersLoadedFromPlistName(description_.plistName);
}

void ColorPaneController::saveColor() {
    // A list without the wheel row has no colour to split: storing anything would overwrite the
    // saved colour with one nobody chose.
    const auto cell = std::dynamic_pointer_cast<ColorWheelCell>(
        cachedCellForSpecifierID(description_.wheelRowIdentifier));
    const auto color = cell ? cell->value() : nullptr;
    CGFloat red = 0, green = 0, blue = 0, alpha = 0;
    if (!color || !color->getRed_green_blue_alpha(&red, &green, &blue, &alpha)) {
        NSLog(std::string("Plakko: the list \"") + description_.plistName +
              "\" has no colour wheel row \"" + description_.wheelRowIdentifier +
              "\"; no colour is saved");
        return;
    }
    writeComponent(description_.keys.red, red);
    writeComponent(description_.keys.green, green);
    writeComponent(description_.keys.blue, blue);
    writeComponent(description_.keys.alpha, alpha);
    reload();
}
