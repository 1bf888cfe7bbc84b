#pragma once

#include <string>
#include <string_view>

#include "platform/foundation/NSData.h"

// The Base64 category of the byte buffer, over NewBase64Encode and NewBase64Decode. Both throw
// std::bad_alloc when the codec can't get its buffer, as building the result itself would.

// Decodes leniently (foreign characters are skipped). A string holding any non-ASCII byte has no
// ASCII form and so decodes as empty input, to no bytes.
NSData dataFromBase64String(std::string_view string);

// Encodes with lines of 64 characters joined by CR LF.
std::string base64EncodedString(const NSData& data);
