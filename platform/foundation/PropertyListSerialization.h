#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/PlistValue.h"

// Property lists to and from bytes, through libplist. Reading takes XML and binary lists, and
// refuses lists that nest or expand past PropertyListBounds' limits. Writing makes XML with the
// platform's header, or a binary list; strings that aren't UTF-8 are written with U+FFFD for
// each stray byte, as a property list holds only Unicode text.
namespace PropertyListSerialization {

std::optional<PlistValue> propertyListWithData(std::string_view bytes);
std::string xmlData(const PlistValue& value);
// The binary format carries every Unicode string, control characters and U+FFFF too.
std::string binaryData(const PlistValue& value);

}  // namespace PropertyListSerialization
