#include "common/Base64.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr size_t kBytesPerLine = 48;

// Maps every byte to its 6-bit value, or to kSkip for the bytes the decoder passes over.
constexpr std::uint8_t kSkip = 0x80;
constexpr std::array<std::uint8_t, 256> kDecodeTable = [] {
    std::array<std::uint8_t, 256> table{};
    table.fill(kSkip);
    for (std::uint8_t value = 0; value < 64; ++value) {
        table[static_cast<unsigned char>(kAlphabet[value])] = value;
    }
    return table;
}();

// 4 characters per started 3-byte unit, CR LF after every full line of 16 units, and the NUL.
// Nothing when that does not fit in size_t: a wrapped size would allocate a short buffer.
std::optional<size_t> encodedCapacity(size_t length, bool separateLines) {
    const size_t units = length / 3 + (length % 3 != 0);
    size_t capacity;
    if (__builtin_mul_overflow(units, size_t{4}, &capacity))
        return std::nullopt;
    const size_t lineBreaks = separateLines ? 2 * (units / 16) : 0;
    if (__builtin_add_overflow(capacity, lineBreaks + 1, &capacity))
        return std::nullopt;
    return capacity;
}

// 3 bytes per started group of 4 characters; nothing when `length + 3` would wrap.
std::optional<size_t> decodedCapacity(size_t length) {
    size_t rounded;
    if (__builtin_add_overflow(length, size_t{3}, &rounded))
        return std::nullopt;
    return rounded / 4 * 3;
}

template <typename T>
std::unique_ptr<T[], FreeDeleter> allocate(size_t count) {
    // At least one byte, so an empty result is still a buffer and null only means failure.
    return std::unique_ptr<T[], FreeDeleter>(static_cast<T*>(std::malloc(count ? count : 1)));
}

char* encodeUnits(const std::uint8_t* in, size_t units, char* out) {
    for (const std::uint8_t* end = in + 3 * units; in != end; in += 3, out += 4) {
        const std::uint32_t unit = std::uint32_t{in[0]} << 16 | std::uint32_t{in[1]} << 8 | in[2];
        out[0] = kAlphabet[unit >> 18];
        out[1] = kAlphabet[unit >> 12 & 63];
        out[2] = kAlphabet[unit >> 6 & 63];
        out[3] = kAlphabet[unit & 63];
    }
    return out;
}

// The padded unit for the one or two bytes after the last full unit.
char* encodeTail(const std::uint8_t* in, size_t remaining, char* out) {
    if (remaining == 0)
        return out;
    const std::uint32_t unit =
        std::uint32_t{in[0]} << 16 | (remaining == 2 ? std::uint32_t{in[1]} << 8 : 0u);
    out[0] = kAlphabet[unit >> 18];
    out[1] = kAlphabet[unit >> 12 & 63];
    out[2] = remaining == 2 ? kAlphabet[unit >> 6 & 63] : '=';
    out[3] = '=';
    return out + 4;
}

void writeGroup(std::uint32_t group, std::uint8_t*& out) {
    out[0] = static_cast<std::uint8_t>(group >> 16);
    out[1] = static_cast<std::uint8_t>(group >> 8);
    out[2] = static_cast<std::uint8_t>(group);
    out += 3;
}

// The fast path: consecutive groups of four valid characters. Stops at the first group that
// holds a byte to skip, or when fewer than four bytes remain, and returns where it stopped.
const unsigned char* decodeCleanGroups(const unsigned char* in, const unsigned char* end,
                                       std::uint8_t*& out) {
    while (end - in >= 4) {
        const std::uint32_t a = kDecodeTable[in[0]], b = kDecodeTable[in[1]],
                            c = kDecodeTable[in[2]], d = kDecodeTable[in[3]];
        if ((a | b | c | d) & kSkip)
            break;
        writeGroup(a << 18 | b << 12 | c << 6 | d, out);
        in += 4;
    }
    return in;
}

}  // namespace

Base64Characters NewBase64Encode(const void* buffer, size_t length, bool separateLines,
                                 size_t* outputLength) {
    const std::optional<size_t> capacity = encodedCapacity(length, separateLines);
    if (!capacity)
        return nullptr;
    Base64Characters result = allocate<char>(*capacity);
    if (!result)
        return nullptr;

    const auto* in = static_cast<const std::uint8_t*>(buffer);
    const size_t lineLength = separateLines ? kBytesPerLine : length;
    char* out = result.get();
    size_t done = 0;
    size_t lineEnd = std::min(lineLength, length);
    while (true) {
        const size_t units = (lineEnd - done) / 3;
        out = encodeUnits(in + done, units, out);
        done += 3 * units;
        if (lineEnd == length)
            break;
        *out++ = '\r';
        *out++ = '\n';
        lineEnd = length - lineEnd > lineLength ? lineEnd + lineLength : length;
    }
    out = encodeTail(in + done, length - done, out);
    *out = '\0';

    if (outputLength)
        *outputLength = static_cast<size_t>(out - result.get());
    return result;
}

Base64Bytes NewBase64Decode(const char* inputBuffer, size_t length, size_t* outputLength) {
    if (length == SIZE_MAX)
        length = std::strlen(inputBuffer);
    const std::optional<size_t> capacity = decodedCapacity(length);
    if (!capacity)
        return nullptr;
    Base64Bytes result = allocate<std::uint8_t>(*capacity);
    if (!result)
        return nullptr;

    const auto* in = reinterpret_cast<const unsigned char*>(inputBuffer);
    const unsigned char* const end = in + length;
    std::uint8_t* out = result.get();
    while (true) {
        in = decodeCleanGroups(in, end, out);
        // A group broken up by skipped bytes, or the last one: gather it a byte at a time.
        std::uint32_t group = 0;
        int valid = 0;
        while (valid < 4 && in != end) {
            const std::uint8_t value = kDecodeTable[*in++];
            if (value == kSkip)
                continue;
            group = group << 6 | value;
            ++valid;
        }
        if (valid == 4) {
            writeGroup(group, out);
            continue;
        }
        // The input has ended; the bits beyond the last whole byte are dropped unchecked.
        if (valid == 3) {
            *out++ = static_cast<std::uint8_t>(group >> 10);
            *out++ = static_cast<std::uint8_t>(group >> 2);
        } else if (valid == 2) {
            *out++ = static_cast<std::uint8_t>(group >> 4);
        }
        break;
    }

    if (outputLength)
        *outputLength = static_cast<size_t>(out - result.get());
    return result;
}
