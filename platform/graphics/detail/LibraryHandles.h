#pragma once

#include <cairo.h>
#include <pixman.h>

#include <memory>

// Owning handles for the C objects of pixman and Cairo.
namespace detail {

struct PixmanImageUnref {
    void operator()(pixman_image_t* image) const { pixman_image_unref(image); }
};
using PixmanImage = std::unique_ptr<pixman_image_t, PixmanImageUnref>;

struct CairoSurfaceDestroy {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using CairoSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceDestroy>;

struct CairoDestroy {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using Cairo = std::unique_ptr<cairo_t, CairoDestroy>;

}  // namespace detail
