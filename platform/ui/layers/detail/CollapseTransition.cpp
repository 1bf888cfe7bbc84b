#include <algorithm>
#include <array>
#include <cmath>

#include "platform/ui/layers/detail/PixmanImages.h"
#include "platform/ui/layers/detail/Transitions.h"

namespace detail {

namespace {

double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// The collapse is worked out with the motion along y; a sideways one swaps the axes on the way
// in and out.
CGPoint swapped(CGPoint p, bool swap) {
    return swap ? CGPoint{p.y, p.x} : p;
}

}  // namespace

void drawCollapse(Surface& target, const TransitionFrame& frame, CGPoint point) {
    const Picture live = frame.live();
    live.paint(target, frame.toDevice * live.pixelsOnto(frame.bounds),
               project(polygonOfRect(frame.bounds), frame.toDevice), frame.opacity);
    const Picture& picture = frame.before;
    if (picture.isEmpty()) return;

    const CGRect b = CGRectStandardize(frame.bounds);
    const bool sideways =
        std::fabs(point.x - CGRectGetMidX(b)) > std::fabs(point.y - CGRectGetMidY(b));
    const CGPoint origin = swapped(b.origin, sideways);
    const CGSize size = sideways ? CGSize{b.size.height, b.size.width} : b.size;
    const CGPoint goal = swapped(point, sideways);
    const double reach =
        std::max({std::fabs(origin.y - goal.y), std::fabs(origin.y + size.height - goal.y), 1e-6});
    const double progress = frame.progress;
    // First a funnel forms towards the point, then the picture pours down it, the rows nearest
    // the point first.
    const double funnel = smoothstep(0, 0.45, progress);
    const double slide = std::clamp((progress - 0.1) / 0.9, 0.0, 1.0);
    // The far end starts moving half way through the slide and still arrives with the rest.
    constexpr double kLag = 0.5;
    // How wide the picture stays where it meets the point; the fade at the end removes it.
    constexpr double kNeck = 0.06;
    constexpr int kRows = 32;

    struct Row {
        CGPoint left, right;
    };
    std::array<Row, kRows + 1> rows;
    for (int i = 0; i <= kRows; ++i) {
        const double y = origin.y + size.height * i / kRows;
        const double closeness = 1 - std::fabs(y - goal.y) / reach;
        const double delay = kLag * (1 - closeness);
        const double moved = std::clamp((slide - delay) / (1 - delay), 0.0, 1.0);
        const double placedY = y + (goal.y - y) * moved;
        const double bend = funnel * smoothstep(0, 1, 1 - std::fabs(placedY - goal.y) / reach);
        const double halfWidth = size.width / 2 * (1 - bend * (1 - kNeck));
        const double centreX =
            origin.x + size.width / 2 + (goal.x - origin.x - size.width / 2) * bend;
        rows[i] = {swapped({centreX - halfWidth, placedY}, sideways),
                   swapped({centreX + halfWidth, placedY}, sideways)};
    }

    std::vector<std::pair<Homography, ConvexPolygon>> strips;
    CGRect extent = CGRectNull;
    for (int i = 0; i < kRows; ++i) {
        const double y0 = origin.y + size.height * i / kRows;
        const CGRect band{{origin.x, y0}, {size.width, size.height / kRows}};
        const CGRect source =
            sideways ? CGRect{{band.origin.y, band.origin.x}, {band.size.height, band.size.width}}
                     : band;
        // The band's corners in the source's order: top-left, top-right, bottom-right,
        // bottom-left (swapping the axes swaps the order of the middle two).
        const std::array<CGPoint, 4> quad =
            sideways ? std::array{rows[i].left, rows[i + 1].left, rows[i + 1].right, rows[i].right}
                     : std::array{rows[i].left, rows[i].right, rows[i + 1].right, rows[i + 1].left};
        const auto map = Homography::rectToQuad(source, quad);
        if (!map) continue;
        const ConvexPolygon outline = project({quad.begin(), quad.end()}, frame.toDevice);
        const CGRect box = boundingBox(outline);
        extent = CGRectIsNull(extent) ? box : CGRectUnion(extent, box);
        strips.emplace_back(*map, outline);
    }
    // Bands are added together offscreen: their antialiased edges then sum to full coverage
    // where they meet, leaving no seams.
    Surface group(IntRect::enclosing(extent, target.clip()), PIXMAN_a8r8g8b8);
    if (group.isEmpty()) return;
    for (const auto& [map, outline] : strips) {
        picture.paint(group, frame.toDevice * map * picture.pixelsOnto(frame.bounds), outline, 1,
                      PIXMAN_OP_ADD);
    }
    const PixmanImage fade = uniformCoverage(frame.opacity * (1 - smoothstep(0.85, 1, progress)));
    target.composite(PIXMAN_OP_OVER, group.placed(), {fade.get(), 0, 0}, group.rect());
}

}  // namespace detail
