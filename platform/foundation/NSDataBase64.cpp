#include "platform/foundation/NSDataBase64.h"

#include <array>
#include <cstdint>

namespace NSDataBase64 {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::uint8_t kInvalid = 0xFF;
constexpr std::array<std::uint8_t, 256> kDecodeTable = [] {
    std::array<std::uint8_t, 256> table{};
    table.fill(kInvalid);
    for (std::uint8_t value = 0; value < 64; ++value) {
        table[static_cast<unsigned char>(kAlphabet[value])] = value;
    }
    return table;
}();

}  // namespace

std::string base64EncodedString(const NSData& data) {
    std::string result;
    result.reserve((data.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; data.size() - i >= 3; i += 3) {
        const std::uint32_t unit = data[i] << 16 | data[i + 1] << 8 | data[i + 2];
        result += {kAlphabet[unit >> 18], kAlphabet[unit >> 12 & 63], kAlphabet[unit >> 6 & 63],
                   kAlphabet[unit & 63]};
    }
    if (const size_t remaining = data.size() - i; remaining > 0) {
        const std::uint32_t unit = data[i] << 16 | (remaining == 2 ? data[i + 1] << 8 : 0);
        result += {kAlphabet[unit >> 18], kAlphabet[unit >> 12 & 63],
                   remaining == 2 ? kAlphabet[unit >> 6 & 63] : '=', '='};
    }
    return result;
}

std::optional<NSData> dataWithBase64EncodedString(std::string_view string) {
    if (string.size() % 4 != 0)
        return std::nullopt;
    size_t padding = 0;
    while (padding < 2 && padding < string.size() && string[string.size() - 1 - padding] == '=') {
        ++padding;
    }
    // Every character before the padding must be in the alphabet, so a stray "=" fails here too.
    const std::string_view characters = string.substr(0, string.size() - padding);
    NSData result;
    result.reserve(characters.size() / 4 * 3 + 2);
    std::uint32_t group = 0;
    for (size_t i = 0; i < characters.size(); ++i) {
        const std::uint8_t value = kDecodeTable[static_cast<unsigned char>(characters[i])];
        if (value == kInvalid)
            return std::nullopt;
        group = group << 6 | value;
        if (i % 4 == 3) {
            result.insert(result.end(), {static_cast<std::uint8_t>(group >> 16),
                                         static_cast<std::uint8_t>(group >> 8),
                                         static_cast<std::uint8_t>(group)});
        }
    }
    // A padded last group holds 3 characters (2 bytes) or 2 (1 byte); the spare bits are ignored.
    if (padding == 1) {
        result.insert(result.end(), {static_cast<std::uint8_t>(group >> 10),
                                     static_cast<std::uint8_t>(group >> 2)});
    } else if (padding == 2) {
        result.push_back(static_cast<std::uint8_t>(group >> 4));
    }
    return result;
}

}  // namespace NSDataBase64
