// The lenient decoder on any bytes, with a length and up to a NUL, and encode → decode giving the
// bytes back with and without line breaks.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/Base64.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto* text = reinterpret_cast<const char*>(data);
    std::size_t decodedLength = 0;
    Base64Bytes decoded = NewBase64Decode(text, size, &decodedLength);
    if (!decoded || decodedLength > size) std::abort();
    const std::string terminated(text, size);
    decoded = NewBase64Decode(terminated.c_str(), SIZE_MAX, &decodedLength);
    if (!decoded || decodedLength > std::strlen(terminated.c_str())) std::abort();

    for (bool separateLines : {false, true}) {
        std::size_t encodedLength = 0;
        Base64Characters encoded = NewBase64Encode(data, size, separateLines, &encodedLength);
        if (!encoded || std::strlen(encoded.get()) != encodedLength) std::abort();
        std::size_t roundTripLength = 0;
        Base64Bytes roundTrip = NewBase64Decode(encoded.get(), encodedLength, &roundTripLength);
        if (!roundTrip || roundTripLength != size ||
            (size > 0 && std::memcmp(roundTrip.get(), data, size) != 0))
            std::abort();
    }
    return 0;
}
