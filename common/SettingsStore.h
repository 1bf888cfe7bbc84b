#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/PlistValue.h"

// This deliverable's last load of the preference domain. A key that was not in the domain at load
// time is absent. Main thread only.
extern PlistDictionary settingsCache;

// Creates the preference file with the five defaults when no file exists; an existing file is
// never touched. Runs once when the tweak library is loaded.
void writeDefaultSettings();

// Refreshes settingsCache from the preferences service. A failed key-list read (which is also
// what an empty domain gives) keeps the previous cache; a failed value read empties it.
void loadSettings();

// Readings of settingsCache: an absent key reads false, 0 or no value; numbers at single precision.
const PlistValue* cachedSetting(std::string_view key);
bool cachedBool(std::string_view key);
float cachedFloat(std::string_view key);
std::optional<std::string> cachedString(std::string_view key);

// What the note controller learns from one load: which keys were present, and whether the tweak is
// enabled ("enabled" when present, else true).
struct SettingsPresence {
    bool checkEnabled = false;  // "enabled"
    bool isSet = false;         // "duration"
    bool isAlpha = false;       // "alpha"
    bool exists = false;        // "Y"
    bool isFontSize = false;    // "fontSize"
    bool isEnabled = true;
};
SettingsPresence settingsPresence(const PlistDictionary& settings);
