#include "platform/graphics/detail/ImageSnapshot.h"

#include <cstring>

namespace detail {

namespace {

// A,R,G,B bytes are the native 0xAARRGGBB word with its bytes reversed. pixman converts that
// layout a pixel at a time; a straight byte swap of the rows is several times faster, and it is
// what the bitmap toolkit's every snapshot needs.
bool swapArgbRows(pixman_image_t* source, int width, int height, uint32_t* pixels) {
    if (pixman_image_get_format(source) != PIXMAN_b8g8r8a8) return false;
    const auto* row = reinterpret_cast<const uint8_t*>(pixman_image_get_data(source));
    const size_t stride = static_cast<size_t>(pixman_image_get_stride(source));
    for (int y = 0; y < height; ++y, row += stride) {
        uint32_t* out = pixels + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            uint32_t word;
            std::memcpy(&word, row + static_cast<size_t>(x) * 4, 4);
            out[x] = __builtin_bswap32(word);
        }
    }
    return true;
}

}  // namespace

CGImageRef snapshotImage(pixman_image_t* source, int width, int height, bool opaque) {
    // Every pixel is written below, so the buffer is not cleared first.
    CGImage::Pixels pixels(static_cast<size_t>(width) * height);
    if (!swapArgbRows(source, width, height, pixels.data())) {
        const PixmanImage copy(
            pixman_image_create_bits(PIXMAN_a8r8g8b8, width, height, pixels.data(), width * 4));
        pixman_image_composite32(PIXMAN_OP_SRC, source, nullptr, copy.get(), 0, 0, 0, 0, 0, 0,
                                 width, height);
    }
    return std::make_shared<const CGImage>(width, height, std::move(pixels), opaque);
}

}  // namespace detail
