#include "tweak/SettingWrites.h"

#include "common/SettingsKeys.h"
#include "platform/foundation/CFPreferences.h"

void writeSetting(const char* key, PlistValue value) {
    CFPreferencesSetValue(key, std::move(value), Settings::kDomain, kCFPreferencesCurrentUser,
                          kCFPreferencesAnyHost);
}
