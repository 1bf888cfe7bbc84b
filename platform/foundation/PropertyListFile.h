#pragma once

#include <optional>
#include <string_view>

#include "platform/foundation/PlistValue.h"

// A dictionary's property-list file at a device path, read and written the way the platform's
// dictionary class does (`initWithContentsOfFile:`, `writeToFile:atomically:`).
namespace PropertyListFile {

// Nothing when the file is missing, can't be read (or isn't a regular file, or is too large), or
// doesn't hold a dictionary.
std::optional<PlistDictionary> dictionaryWithContentsOfFile(std::string_view devicePath);

enum class Write { InPlace, Atomically };
// Writes XML; gives false on failure (a missing folder is not created).
bool writeToFile(const PlistDictionary& dictionary, std::string_view devicePath, Write how);

}  // namespace PropertyListFile
