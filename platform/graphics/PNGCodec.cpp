#include "platform/graphics/PNGCodec.h"

#include <cstring>

#include "platform/graphics/detail/ImageSnapshot.h"
#include "platform/graphics/detail/LibraryHandles.h"

namespace {

using detail::CairoSurface;
using detail::PixmanImage;

CGImageRef imageFromSurface(cairo_surface_t* surface) {
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) return nullptr;
    pixman_format_code_t format;
    switch (cairo_image_surface_get_format(surface)) {
        case CAIRO_FORMAT_ARGB32:
            format = PIXMAN_a8r8g8b8;
            break;
        case CAIRO_FORMAT_RGB24:
            format = PIXMAN_x8r8g8b8;
            break;
        case CAIRO_FORMAT_A8:
            format = PIXMAN_a8;
            break;
        default:
            return nullptr;
    }
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    if (width <= 0 || height <= 0) return nullptr;
    cairo_surface_flush(surface);
    const PixmanImage source(pixman_image_create_bits(
        format, width, height, reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface)),
        cairo_image_surface_get_stride(surface)));
    return detail::snapshotImage(source.get(), width, height, format == PIXMAN_x8r8g8b8);
}

// Cairo only reads the pixels while writing a PNG.
CairoSurface surfaceOver(const CGImage& image) {
    return CairoSurface(cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(image.pixels().data())),
        image.isOpaque() ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32,
        static_cast<int>(image.width()), static_cast<int>(image.height()),
        static_cast<int>(image.width() * 4)));
}

}  // namespace

CGImageRef PNGCodec::decode(std::span<const uint8_t> bytes) {
    auto read = [](void* closure, unsigned char* data, unsigned int length) {
        auto* remaining = static_cast<std::span<const uint8_t>*>(closure);
        if (remaining->size() < length) return CAIRO_STATUS_READ_ERROR;
        std::memcpy(data, remaining->data(), length);
        *remaining = remaining->subspan(length);
        return CAIRO_STATUS_SUCCESS;
    };
    const CairoSurface surface(cairo_image_surface_create_from_png_stream(read, &bytes));
    return imageFromSurface(surface.get());
}

CGImageRef PNGCodec::readFile(const std::string& path) {
    const CairoSurface surface(cairo_image_surface_create_from_png(path.c_str()));
    return imageFromSurface(surface.get());
}

std::optional<std::vector<uint8_t>> PNGCodec::encode(const CGImage& image) {
    if (image.width() == 0 || image.height() == 0) return std::nullopt;
    const CairoSurface surface = surfaceOver(image);
    std::vector<uint8_t> bytes;
    auto write = [](void* closure, const unsigned char* data, unsigned int length) {
        auto* out = static_cast<std::vector<uint8_t>*>(closure);
        out->insert(out->end(), data, data + length);
        return CAIRO_STATUS_SUCCESS;
    };
    if (cairo_surface_write_to_png_stream(surface.get(), write, &bytes) != CAIRO_STATUS_SUCCESS) {
        return std::nullopt;
    }
    return bytes;
}

bool PNGCodec::writeFile(const CGImage& image, const std::string& path) {
    if (image.width() == 0 || image.height() == 0) return false;
    const CairoSurface surface = surfaceOver(image);
    return cairo_surface_write_to_png(surface.get(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}
