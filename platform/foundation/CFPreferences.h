#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/PlistValue.h"

// The platform's preferences service. Each domain is one property list at
// "/var/mobile/Library/Preferences/<domain>.plist" on the device. A value set on the main thread
// reaches the file by the end of the run-loop turn that set it (several sets in one turn make one
// write); a value set on another thread reaches it before the call returns. Reads see other
// processes' writes without synchronising. Only the current user's, any host's scope exists.

enum CFPreferencesUser { kCFPreferencesCurrentUser };
enum CFPreferencesHost { kCFPreferencesAnyHost };

// The keys of the domain; nothing when it has none or its file can't be read.
std::optional<std::vector<std::string>> CFPreferencesCopyKeyList(std::string_view applicationID,
                                                                 CFPreferencesUser user,
                                                                 CFPreferencesHost host);
// The values of those of `keys` that the domain holds; nothing when its file can't be read.
std::optional<PlistDictionary> CFPreferencesCopyMultiple(const std::vector<std::string>& keys,
                                                         std::string_view applicationID,
                                                         CFPreferencesUser user,
                                                         CFPreferencesHost host);
// Stores one value; no value removes the key.
void CFPreferencesSetValue(std::string_view key, std::optional<PlistValue> value,
                           std::string_view applicationID, CFPreferencesUser user,
                           CFPreferencesHost host);
// Writes pending changes now and rereads the file. False when the write failed.
bool CFPreferencesAppSynchronize(std::string_view applicationID);
// A boolean, a number (non-zero) or the strings "true"/"YES"/"false"/"NO" read as a boolean;
// anything else reads false with `keyExistsAndHasValidFormat` false.
bool CFPreferencesGetAppBooleanValue(std::string_view key, std::string_view applicationID,
                                     bool* keyExistsAndHasValidFormat);

// Creates the domain's file with `contents` only when it has none, deciding and writing under the
// same lock as every write of the service, so a concurrent write is never replaced. False when a
// file was already there or it could not be written.
bool CFPreferencesCreateAppFileIfMissing(std::string_view applicationID,
                                         const PlistDictionary& contents);

// Whether `applicationID` can name a domain: not empty, no "/", not starting with ".".
bool CFPreferencesIsValidDomain(std::string_view applicationID);
// The device path of a domain's file.
std::string CFPreferencesDomainPath(std::string_view applicationID);
