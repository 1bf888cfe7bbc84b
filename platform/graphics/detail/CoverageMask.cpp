#include "platform/graphics/detail/CoverageMask.h"

#include <cstring>

namespace detail {

CoverageMask::CoverageMask(IntRect bounds, uint8_t value) : bounds_(bounds) {
    if (bounds_.isEmpty())
        bounds_ = {};
    // Cairo refuses zero-sized surfaces' data; keep one pixel behind an empty mask.
    const int width = std::max(bounds_.width, 1), height = std::max(bounds_.height, 1);
    surface_.reset(cairo_image_surface_create(CAIRO_FORMAT_A8, width, height));
    if (cairo_surface_status(surface_.get()) != CAIRO_STATUS_SUCCESS) {
        // Out of memory: an empty mask draws nothing rather than letting pixman allocate a
        // buffer Cairo does not know about.
        bounds_ = {};
        surface_.reset(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1));
        value = 0;
    }
    cairo_surface_flush(surface_.get());
    image_.reset(pixman_image_create_bits(PIXMAN_a8, width, height,
                                          reinterpret_cast<uint32_t*>(data()), stride()));
    if (value != 0 && data())
        std::memset(data(), value, static_cast<size_t>(stride()) * height);
    cairo_surface_mark_dirty(surface_.get());
}

uint8_t* CoverageMask::data() const {
    return cairo_image_surface_get_data(surface_.get());
}

int CoverageMask::stride() const {
    return cairo_image_surface_get_stride(surface_.get());
}

Cairo CoverageMask::drawingContext() const {
    Cairo cr(cairo_create(surface_.get()));
    cairo_translate(cr.get(), -bounds_.x, -bounds_.y);
    cairo_set_source_rgba(cr.get(), 0, 0, 0, 1);
    return cr;
}

CoverageMask CoverageMask::intersected(const CoverageMask& other) const {
    CoverageMask result(bounds_.intersected(other.bounds_));
    if (result.isEmpty())
        return result;
    const IntRect& r = result.bounds_;
    cairo_surface_flush(surface_.get());
    cairo_surface_flush(other.surface_.get());
    pixman_image_composite32(PIXMAN_OP_SRC, image(), nullptr, result.image(), r.x - bounds_.x,
                             r.y - bounds_.y, 0, 0, 0, 0, r.width, r.height);
    pixman_image_composite32(PIXMAN_OP_IN, other.image(), nullptr, result.image(),
                             r.x - other.bounds_.x, r.y - other.bounds_.y, 0, 0, 0, 0, r.width,
                             r.height);
    cairo_surface_mark_dirty(result.surface_.get());
    return result;
}

CoverageMask CoverageMask::croppedTo(const IntRect& rect) const {
    CoverageMask result(bounds_.intersected(rect));
    if (result.isEmpty())
        return result;
    const IntRect& r = result.bounds_;
    cairo_surface_flush(surface_.get());
    pixman_image_composite32(PIXMAN_OP_SRC, image(), nullptr, result.image(), r.x - bounds_.x,
                             r.y - bounds_.y, 0, 0, 0, 0, r.width, r.height);
    cairo_surface_mark_dirty(result.surface_.get());
    return result;
}

void CoverageMask::multiply(double alpha) {
    if (alpha >= 1 || isEmpty())
        return;
    const pixman_color_t color{0, 0, 0, static_cast<uint16_t>(std::max(alpha, 0.0) * 0xffff + 0.5)};
    const PixmanImage solid(pixman_image_create_solid_fill(&color));
    cairo_surface_flush(surface_.get());
    pixman_image_composite32(PIXMAN_OP_IN, solid.get(), nullptr, image(), 0, 0, 0, 0, 0, 0,
                             bounds_.width, bounds_.height);
    cairo_surface_mark_dirty(surface_.get());
}

}  // namespace detail
