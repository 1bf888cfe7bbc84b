#include "platform/ui/layers/detail/Surface.h"

#include "platform/graphics/detail/ImageSnapshot.h"

namespace detail {

namespace {

// Offscreen work is bounded by the screen, but a picture of a layer is as large as the layer;
// beyond this it is refused rather than allocated.
constexpr int kMaximumSide = 16384;
constexpr long kMaximumPixels = 1L << 25;

}  // namespace

Surface::Surface(uint32_t* pixels, IntRect rect)
    : rect_(rect),
      clip_(rect),
      image_(pixman_image_create_bits(PIXMAN_a8r8g8b8, rect.width, rect.height, pixels,
                                      rect.width * 4)) {}

Surface::Surface(IntRect rect, pixman_format_code_t format) : rect_(rect), clip_(rect) {
    if (rect.isEmpty() || rect.width > kMaximumSide || rect.height > kMaximumSide ||
        static_cast<long>(rect.width) * rect.height > kMaximumPixels) {
        rect_ = clip_ = {};
        return;
    }
    image_.reset(pixman_image_create_bits(format, rect.width, rect.height, nullptr, 0));
    if (!image_) rect_ = clip_ = {};
}

uint8_t* Surface::data() const {
    return image_ ? reinterpret_cast<uint8_t*>(pixman_image_get_data(image_.get())) : nullptr;
}

int Surface::stride() const {
    return image_ ? pixman_image_get_stride(image_.get()) : 0;
}

void Surface::composite(pixman_op_t op, Placed source, Placed mask, IntRect area) {
    area = area.intersected(clip_);
    if (area.isEmpty() || !image_ || !source.image) return;
    pixman_image_composite32(op, source.image, mask.image, image_.get(), area.x - source.x,
                             area.y - source.y, area.x - mask.x, area.y - mask.y, area.x - rect_.x,
                             area.y - rect_.y, area.width, area.height);
}

CGImageRef Surface::makeImage() const {
    if (!image_) return nullptr;
    return snapshotImage(image_.get(), rect_.width, rect_.height, false);
}

}  // namespace detail
