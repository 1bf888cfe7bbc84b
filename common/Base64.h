#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

// The codec hands out malloc'd buffers; this releases them.
struct FreeDeleter {
    void operator()(void* memory) const { std::free(memory); }
};

using Base64Characters = std::unique_ptr<char[], FreeDeleter>;
using Base64Bytes = std::unique_ptr<std::uint8_t[], FreeDeleter>;

// Encodes `length` bytes with the standard alphabet and "=" padding. With `separateLines`, every
// 48 input bytes (64 characters) make a line and lines are joined by CR LF, with none after the
// last. The result is NUL-terminated; `outputLength`, when given, receives its length without the
// NUL. Null when the buffer can't be allocated or its size doesn't fit in size_t; `outputLength`
// is then left alone.
Base64Characters NewBase64Encode(const void* buffer, size_t length, bool separateLines,
                                 size_t* outputLength);

// Decodes leniently: every byte outside the alphabet, "=" and line breaks included, is skipped
// wherever it stands; a final group of three or two characters gives two or one byte, a lone last
// character nothing. A `length` of SIZE_MAX means the input ends at its first NUL. `outputLength`,
// when given, receives the number of bytes decoded. Null when the buffer can't be allocated or its
// size doesn't fit in size_t; `outputLength` is then left alone.
Base64Bytes NewBase64Decode(const char* inputBuffer, size_t length, size_t* outputLength);
