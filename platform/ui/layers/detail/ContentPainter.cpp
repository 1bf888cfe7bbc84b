#include "platform/ui/layers/detail/ContentPainter.h"

#include <cmath>
#include <optional>

#include "platform/ui/layers/detail/PixmanImages.h"
#include "platform/ui/layers/detail/PolygonCoverage.h"

namespace detail {

namespace {

// The device pixels the rectangle covers exactly, when it lands on whole pixels without turning:
// then it needs no coverage mask.
std::optional<IntRect> wholePixelRect(CGRect rect, const Homography& toDevice) {
    if (!toDevice.isAxisAligned()) return std::nullopt;
    const CGPoint a = toDevice.apply(rect.origin);
    const CGPoint b = toDevice.apply({CGRectGetMaxX(rect), CGRectGetMaxY(rect)});
    const CGRect device = CGRectStandardize({a, {b.x - a.x, b.y - a.y}});
    const double edges[] = {CGRectGetMinX(device), CGRectGetMinY(device), CGRectGetMaxX(device),
                            CGRectGetMaxY(device)};
    int whole[4];
    for (int i = 0; i < 4; ++i) {
        const double rounded = std::round(edges[i]);
        if (!(std::fabs(edges[i] - rounded) < 1e-6) || std::fabs(rounded) > 1e8)
            return std::nullopt;
        whole[i] = static_cast<int>(rounded);
    }
    return IntRect{whole[0], whole[1], whole[2] - whole[0], whole[3] - whole[1]};
}

// Image pixels into device space, for a picture of `pixelsPerPointX`×`pixelsPerPointY` laid
// from the bounds' top-left corner.
Homography imageToDevice(const Homography& toDevice, CGRect bounds, double pixelsPerPointX,
                         double pixelsPerPointY) {
    return toDevice * Homography::translation(bounds.origin.x, bounds.origin.y) *
           Homography::scale(1 / pixelsPerPointX, 1 / pixelsPerPointY);
}

MappedSource backgroundSource(const CGColor& color, const LayerContent& content,
                              const Homography& toDevice) {
    if (const auto rgba = color.rgba()) return unmapped(solidColor(*rgba));
    const CGImageRef& tile = color.patternImage();
    if (!tile || tile->width() == 0 || tile->height() == 0 || !(color.patternScale() > 0))
        return {};
    return mapImage(
        wrapImage(*tile),
        imageToDevice(toDevice, content.bounds, color.patternScale(), color.patternScale()),
        EdgeMode::Tile);
}

MappedSource stretchedSource(const CGImage& image, const LayerContent& content,
                             const Homography& toDevice) {
    const CGSize size = content.bounds.size;
    return mapImage(wrapImage(image),
                    imageToDevice(toDevice, content.bounds, image.width() / size.width,
                                  image.height() / size.height));
}

}  // namespace

bool LayerContent::isEmpty() const {
    const bool paintsBackground = backgroundColor && backgroundColor->alpha() > 0;
    return !(bounds.size.width > 0) || !(bounds.size.height > 0) ||
           (!paintsBackground && !contents && !backing);
}

ConvexPolygon outlineInDevice(const LayerContent& content, const Homography& toDevice) {
    // Arcs are flattened for the scale at the layer's origin; perspective changes it little.
    const double pixelsPerPoint = std::hypot(toDevice.m[0][0], toDevice.m[1][0]);
    return project(polygonOfRoundedRect(content.bounds, content.cornerRadius, pixelsPerPoint),
                   toDevice);
}

void paintContent(Surface& surface, const LayerContent& content, const Homography& toDevice,
                  double opacity) {
    if (content.isEmpty() || !(opacity > 0) || surface.isEmpty()) return;
    IntRect area;
    std::optional<CoverageMask> coverage;
    PixmanImage uniform;
    Placed mask;
    const auto exact =
        content.cornerRadius > 0 ? std::nullopt : wholePixelRect(content.bounds, toDevice);
    if (exact) {
        area = exact->intersected(surface.clip());
        uniform = uniformCoverage(opacity);
        mask = {uniform.get(), 0, 0};
    } else {
        coverage.emplace(coverageOf(outlineInDevice(content, toDevice), surface.clip()));
        coverage->multiply(opacity);
        area = coverage->bounds();
        mask = {coverage->image(), area.x, area.y};
    }
    if (area.isEmpty()) return;
    const auto paint = [&](const MappedSource& source) {
        surface.composite(PIXMAN_OP_OVER, source.placed, mask, area);
    };
    if (content.backgroundColor)
        paint(backgroundSource(*content.backgroundColor, content, toDevice));
    if (content.contents) paint(stretchedSource(*content.contents, content, toDevice));
    if (content.backing) {
        paint(mapImage(
            wrapImage(*content.backing),
            imageToDevice(toDevice, content.bounds, content.backingScale, content.backingScale)));
    }
}

}  // namespace detail
