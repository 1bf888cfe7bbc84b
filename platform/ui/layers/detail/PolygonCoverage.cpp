#include "platform/ui/layers/detail/PolygonCoverage.h"

namespace detail {

IntRect pixelsTouchedBy(const ConvexPolygon& devicePolygon, const IntRect& limit) {
    if (devicePolygon.size() < 3) return {};
    return IntRect::enclosing(boundingBox(devicePolygon), limit);
}

CoverageMask coverageOf(const ConvexPolygon& devicePolygon, const IntRect& limit) {
    CoverageMask mask(pixelsTouchedBy(devicePolygon, limit));
    if (mask.isEmpty()) return mask;
    // Cairo's fixed-point coordinates wrap far outside the mask; cut the polygon close to it.
    const IntRect& r = mask.bounds();
    ConvexPolygon cut = devicePolygon;
    cut = clipToHalfPlane(cut, 1, 0, -(r.x - 1.0));
    cut = clipToHalfPlane(cut, -1, 0, r.maxX() + 1.0);
    cut = clipToHalfPlane(cut, 0, 1, -(r.y - 1.0));
    cut = clipToHalfPlane(cut, 0, -1, r.maxY() + 1.0);
    if (cut.size() < 3) return CoverageMask(IntRect{});
    const Cairo cr = mask.drawingContext();
    cairo_move_to(cr.get(), cut.front().x, cut.front().y);
    for (size_t i = 1; i < cut.size(); ++i) cairo_line_to(cr.get(), cut[i].x, cut[i].y);
    cairo_close_path(cr.get());
    cairo_fill(cr.get());
    cairo_surface_flush(cairo_get_target(cr.get()));
    return mask;
}

}  // namespace detail
