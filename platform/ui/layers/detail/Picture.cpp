#include "platform/ui/layers/detail/Picture.h"

#include "platform/ui/layers/detail/PixmanImages.h"
#include "platform/ui/layers/detail/PolygonCoverage.h"

namespace detail {

Picture::Picture(CGImageRef image) : image_(std::move(image)) {
    if (image_) {
        width_ = static_cast<int>(image_->width());
        height_ = static_cast<int>(image_->height());
    }
}

Picture::Picture(Surface surface) : surface_(std::make_shared<Surface>(std::move(surface))) {
    if (!surface_->isEmpty()) {
        width_ = surface_->rect().width;
        height_ = surface_->rect().height;
    }
}

PixmanImage Picture::newSource() const {
    if (isEmpty()) return nullptr;
    if (image_) return wrapImage(*image_);
    return PixmanImage(pixman_image_create_bits(PIXMAN_a8r8g8b8, width_, height_,
                                                reinterpret_cast<uint32_t*>(surface_->data()),
                                                surface_->stride()));
}

Homography Picture::pixelsOnto(CGRect rect) const {
    return Homography::translation(rect.origin.x, rect.origin.y) *
           Homography::scale(rect.size.width / std::max(width_, 1),
                             rect.size.height / std::max(height_, 1));
}

void Picture::paint(Surface& target, const Homography& pictureToDevice,
                    const ConvexPolygon& devicePolygon, double opacity, pixman_op_t op) const {
    if (isEmpty() || !(opacity > 0) || target.isEmpty()) return;
    CoverageMask coverage = coverageOf(devicePolygon, target.clip());
    if (coverage.isEmpty()) return;
    coverage.multiply(opacity);
    const IntRect& area = coverage.bounds();
    const MappedSource source = mapImage(newSource(), pictureToDevice, EdgeMode::Extend, area);
    target.composite(op, source.placed, {coverage.image(), area.x, area.y}, area);
}

}  // namespace detail
