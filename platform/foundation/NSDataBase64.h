#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/NSData.h"

// The byte buffer's own Base64, as the platform offers it without options: the standard alphabet
// with "=" padding, and no line breaks.
namespace NSDataBase64 {

std::string base64EncodedString(const NSData& data);

// Strict: nothing for a length that is not a multiple of 4, any character outside the alphabet
// (white space and line breaks included), or "=" other than as the last one or two characters.
std::optional<NSData> dataWithBase64EncodedString(std::string_view string);

}  // namespace NSDataBase64
