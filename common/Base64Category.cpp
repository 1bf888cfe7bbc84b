#include "common/Base64Category.h"

#include <algorithm>
#include <new>

#include "common/Base64.h"

NSData dataFromBase64String(std::string_view string) {
    const bool ascii = std::none_of(string.begin(), string.end(),
                                    [](char c) { return static_cast<unsigned char>(c) > 0x7F; });
    if (!ascii)
        return {};
    size_t length = 0;
    const Base64Bytes bytes = NewBase64Decode(string.data(), string.size(), &length);
    if (!bytes)
        throw std::bad_alloc();
    return NSData(bytes.get(), bytes.get() + length);
}

std::string base64EncodedString(const NSData& data) {
    size_t length = 0;
    const Base64Characters characters = NewBase64Encode(data.data(), data.size(), true, &length);
    if (!characters)
        throw std::bad_alloc();
    return std::string(characters.get(), length);
}
