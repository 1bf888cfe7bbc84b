#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/PlistValue.h"

// Property lists to and from bytes, through libplist. Reading takes XML and binary lists, and
// refuses lists that nest or expand past PropertyListBounds' limits. Writing makes XML with the
// platform's header.
namespace PropertyListSerialization {

std::optional<PlistValue> propertyListWithData(std::string_view bytes);
std::string xmlData(const PlistValue& value);

}  // namespace PropertyListSerialization
