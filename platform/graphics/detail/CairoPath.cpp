#include "platform/graphics/detail/CairoPath.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/detail/LibraryHandles.h"

namespace detail {

namespace {

// Cairo's fixed-point coordinates overflow near ±8 million; far-out points are pulled in (a
// huge rectangle still covers everything) and points that are not numbers go to 0.
CGPoint representable(CGPoint p) {
    static constexpr double kLimit = 4'000'000;
    const auto clamp = [](double v) { return std::isnan(v) ? 0 : std::clamp(v, -kLimit, kLimit); };
    return {clamp(p.x), clamp(p.y)};
}

}  // namespace

void appendPath(cairo_t* cr, const CGPath& path) {
    for (const CGPath::Element& element : path.elements()) {
        const CGPath::Element e{element.type,
                                {representable(element.points[0]), representable(element.points[1]),
                                 representable(element.points[2])}};
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
