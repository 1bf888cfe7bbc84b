#include "common/SettingsStore.h"

#include "common/SettingsKeys.h"
#include "platform/foundation/CFPreferences.h"
#include "platform/foundation/SystemLog.h"

PlistDictionary settingsCache;

void writeDefaultSettings() {
    // "No file yet" is decided under the preferences service's lock: checking first and renaming a
    // file into place later would replace a value another process wrote in between.
    const PlistDictionary defaults{
        {Settings::Key::enabled, PlistValue::boolean(true)},
        {Settings::Key::fontSize, PlistValue::float32(20)},
        {Settings::Key::alpha, PlistValue::float32(1)},
        {Settings::Key::duration, PlistValue::float32(3)},
        {Settings::Key::animation, PlistValue::float32(3)},
    };
    CFPreferencesCreateAppFileIfMissing(Settings::kDomain, defaults);
}

void loadSettings() {
    auto keys = CFPreferencesCopyKeyList(Settings::kDomain, kCFPreferencesCurrentUser,
                                         kCFPreferencesAnyHost);
    if (!keys) {
        NSLog("There's been an error getting the key list!");
        return;
    }
    auto values = CFPreferencesCopyMultiple(*keys, Settings::kDomain, kCFPreferencesCurrentUser,
                                            kCFPreferencesAnyHost);
    settingsCache = values.value_or(PlistDictionary{});
    if (!values) NSLog("There's been an error getting the preferences dictionary!");
}

const PlistValue* cachedSetting(std::string_view key) {
    auto it = settingsCache.find(key);
    return it != settingsCache.end() ? &it->second : nullptr;
}

bool cachedBool(std::string_view key) {
    const PlistValue* value = cachedSetting(key);
    return value != nullptr && value->boolValue();
}

float cachedFloat(std::string_view key) {
    const PlistValue* value = cachedSetting(key);
    return value != nullptr ? value->floatValue() : 0.0f;
}

std::optional<std::string> cachedString(std::string_view key) {
    const PlistValue* value = cachedSetting(key);
    if (value == nullptr || value->asString() == nullptr) return std::nullopt;
    return *value->asString();
}

SettingsPresence settingsPresence(const PlistDictionary& settings) {
    auto present = [&](std::string_view key) { return settings.find(key) != settings.end(); };
    SettingsPresence presence;
    presence.checkEnabled = present(Settings::Key::enabled);
    presence.isSet = present(Settings::Key::duration);
    presence.isAlpha = present(Settings::Key::alpha);
    presence.exists = present(Settings::Key::y);
    presence.isFontSize = present(Settings::Key::fontSize);
    presence.isEnabled =
        presence.checkEnabled ? settings.find(Settings::Key::enabled)->second.boolValue() : true;
    return presence;
}
