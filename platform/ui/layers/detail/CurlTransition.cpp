#include <algorithm>
#include <cmath>

#include "platform/ui/layers/detail/PixmanImages.h"
#include "platform/ui/layers/detail/PolygonCoverage.h"
#include "platform/ui/layers/detail/Transitions.h"

namespace detail {

namespace {

// Black or white shading across a polygon, from `fromAlpha` at `from` to `toAlpha` at `to`
// (device space).
void shade(Surface& target, const ConvexPolygon& devicePolygon, double white, CGPoint from,
           double fromAlpha, CGPoint to, double toAlpha) {
    CoverageMask coverage = coverageOf(devicePolygon, target.clip());
    if (coverage.isEmpty() || (from.x == to.x && from.y == to.y)) return;
    const auto stop = [white](double position, double alpha) {
        const auto channel = static_cast<uint16_t>(std::clamp(white, 0.0, 1.0) * 0xffff);
        const auto opacity = static_cast<uint16_t>(std::clamp(alpha, 0.0, 1.0) * 0xffff);
        return pixman_gradient_stop_t{pixman_double_to_fixed(position),
                                      {channel, channel, channel, opacity}};
    };
    const pixman_gradient_stop_t stops[] = {stop(0, fromAlpha), stop(1, toAlpha)};
    const pixman_point_fixed_t p0{pixman_double_to_fixed(from.x), pixman_double_to_fixed(from.y)};
    const pixman_point_fixed_t p1{pixman_double_to_fixed(to.x), pixman_double_to_fixed(to.y)};
    const PixmanImage gradient(pixman_image_create_linear_gradient(&p0, &p1, stops, 2));
    if (!gradient) return;
    pixman_image_set_repeat(gradient.get(), PIXMAN_REPEAT_PAD);
    const IntRect& area = coverage.bounds();
    target.composite(PIXMAN_OP_OVER, {gradient.get(), 0, 0}, {coverage.image(), area.x, area.y},
                     area);
}

}  // namespace

void drawCurl(Surface& target, const TransitionFrame& frame, TransitionKind kind) {
    const CGRect& bounds = frame.bounds;
    const ConvexPolygon whole = polygonOfRect(bounds);
    const Homography& toDevice = frame.toDevice;
    const Picture live = frame.live();
    live.paint(target, toDevice * live.pixelsOnto(bounds), project(whole, toDevice), frame.opacity);

    // The fold runs slanted across the picture; `normal` points into the part already peeled,
    // which starts at the bottom-right corner (top-right for a curl down).
    const double slant = 0.35, length = std::hypot(slant, 1.0);
    const CGPoint normal{slant / length, (kind == TransitionKind::CurlDown ? -1 : 1) / length};
    const auto along = [&](CGPoint p) { return normal.x * p.x + normal.y * p.y; };
    double first = -INFINITY, last = INFINITY;
    for (CGPoint corner : whole) {
        first = std::max(first, along(corner));
        last = std::min(last, along(corner));
    }
    // The fold sweeps from the first corner to the last, peeling everything by the end.
    const double fold = first - frame.progress * (first - last);
    const CGPoint centre{CGRectGetMidX(bounds), CGRectGetMidY(bounds)};
    const double centreToFold = fold - along(centre);
    const CGPoint onFold{centre.x + normal.x * centreToFold, centre.y + normal.y * centreToFold};
    const auto offFold = [&](double distance) {
        return toDevice.apply({onFold.x + normal.x * distance, onFold.y + normal.y * distance});
    };
    const double peeled = first - fold;
    const ConvexPolygon uncovered = clipToHalfPlane(whole, normal.x, normal.y, -fold);
    const ConvexPolygon flat = clipToHalfPlane(whole, -normal.x, -normal.y, fold);

    // The curled sheet's shadow on what it uncovers.
    const double shadowWidth = std::min(0.1 * (first - last), peeled);
    shade(target, project(uncovered, toDevice), 0, offFold(0), 0.35 * frame.opacity,
          offFold(shadowWidth), 0);

    frame.before.paint(target, toDevice * frame.before.pixelsOnto(bounds), project(flat, toDevice),
                       frame.opacity);

    // The peeled part folds over onto the rest: its mirror image across the fold, cut to the
    // layer, seen from the back (paler), lit most where it bends.
    const Homography mirror{
        {{{1 - 2 * normal.x * normal.x, -2 * normal.x * normal.y, 2 * fold * normal.x},
          {-2 * normal.x * normal.y, 1 - 2 * normal.y * normal.y, 2 * fold * normal.y},
          {0, 0, 1}}}};
    ConvexPolygon flap;
    for (CGPoint p : uncovered) flap.push_back(mirror.apply(p));
    for (size_t edge = 0; edge < whole.size(); ++edge) {
        const CGPoint a = whole[edge], b = whole[(edge + 1) % whole.size()];
        // Keeps the inside of the layer's (clockwise on screen) outline.
        flap =
            clipToHalfPlane(flap, -(b.y - a.y), b.x - a.x, (b.y - a.y) * a.x - (b.x - a.x) * a.y);
    }
    const ConvexPolygon flapInDevice = project(flap, toDevice);
    frame.before.paint(target, toDevice * mirror * frame.before.pixelsOnto(bounds), flapInDevice,
                       frame.opacity);
    shade(target, flapInDevice, 1, offFold(0), 0.75 * frame.opacity, offFold(-peeled),
          0.45 * frame.opacity);
}

}  // namespace detail
