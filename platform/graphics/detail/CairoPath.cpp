#include "platform/graphics/detail/CairoPath.h"

#include "platform/graphics/detail/LibraryHandles.h"

namespace detail {

void appendPath(cairo_t* cr, const CGPath& path) {
    for (const CGPath::Element& e : path.elements()) {
        switch (e.type) {
            case CGPath::ElementType::MoveTo:
                cairo_move_to(cr, e.points[0].x, e.points[0].y);
                break;
            case CGPath::ElementType::LineTo:
                cairo_line_to(cr, e.points[0].x, e.points[0].y);
                break;
            case CGPath::ElementType::CurveTo:
                cairo_curve_to(cr, e.points[0].x, e.points[0].y, e.points[1].x, e.points[1].y,
                               e.points[2].x, e.points[2].y);
                break;
            case CGPath::ElementType::Close:
                cairo_close_path(cr);
                break;
        }
    }
}

bool pathContainsPoint(const CGPath& path, CGPoint point, bool evenOdd) {
    const CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1));
    const Cairo cr(cairo_create(surface.get()));
    appendPath(cr.get(), path);
    cairo_set_fill_rule(cr.get(), evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    return cairo_in_fill(cr.get(), point.x, point.y);
}

}  // namespace detail
