#pragma once

#include <string>

#include "platform/foundation/PlistValue.h"

// A property list written out for people, in the old-style format the platform's `defaults` tool
// prints: { key = value; }, ( item, item ), <data bytes>, quoted strings where needed.
std::string describePlist(const PlistValue& value);
// The text of a single value on its own: a string unquoted, anything else as describePlist.
std::string describeTopLevelValue(const PlistValue& value);
