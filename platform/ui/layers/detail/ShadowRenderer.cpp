#include "platform/ui/layers/detail/ShadowRenderer.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/detail/BoxBlur.h"
#include "platform/ui/layers/detail/PixmanImages.h"
#include "platform/ui/layers/detail/PolygonCoverage.h"

namespace detail {

namespace {

// Beyond this the shadow is a faint haze anyway; the cap bounds the work and the margins.
constexpr double kMaximumSigma = 256;
// Shapes far larger than any screen cast no shadow rather than allocating without bound.
constexpr IntRect kShapeLimit{-(1 << 20), -(1 << 20), 1 << 21, 1 << 21};

bool sameColor(const CGColorRef& a, const CGColorRef& b) {
    return a == b || (a && b && CGColorEqualToColor(a, b));
}

Surface blurredShape(const LayerContent& content, const Homography& toDevice, double sigma) {
    const IntRect shape = pixelsTouchedBy(outlineInDevice(content, toDevice), kShapeLimit);
    if (shape.isEmpty()) return Surface(IntRect{}, PIXMAN_a8);
    Surface mask(shape.inflated(BoxBlur::marginFor(sigma)), PIXMAN_a8);
    if (mask.isEmpty()) return mask;
    paintContent(mask, content, toDevice, 1);
    BoxBlur::apply(mask.data(), mask.rect().width, mask.rect().height, mask.stride(), sigma);
    return mask;
}

}  // namespace

bool ShadowRenderer::Shape::matches(const Shape& other) const {
    const LayerContent& a = content;
    const LayerContent& b = other.content;
    return a.bounds.size == b.bounds.size && a.cornerRadius == b.cornerRadius &&
           sameColor(a.backgroundColor, b.backgroundColor) && a.contents == b.contents &&
           a.backing == b.backing && a.backingScale == b.backingScale &&
           placement == other.placement && sigma == other.sigma;
}

void ShadowRenderer::paint(Surface& target, const void* owner, const LayerContent& content,
                           const Homography& toDevice, const ShadowStyle& style,
                           CGFloat pixelsPerPoint) {
    if (!toDevice.isAffine() || content.isEmpty() || !(style.rgba[3] > 0) || target.isEmpty())
        return;
    double sigma = style.radius * pixelsPerPoint / 2;
    sigma = sigma > 0 ? std::min(sigma, kMaximumSigma) : 0;
    const CGPoint origin = toDevice.apply(content.bounds.origin);
    const double offsetX = style.offset.width * pixelsPerPoint;
    const double offsetY = style.offset.height * pixelsPerPoint;
    if (!(std::fabs(origin.x) < 1e8 && std::fabs(origin.y) < 1e8 && std::fabs(offsetX) < 1e8 &&
          std::fabs(offsetY) < 1e8)) {
        return;
    }
    const double wholeX = std::floor(origin.x), wholeY = std::floor(origin.y);
    const auto& m = toDevice.m;
    Shape wanted{
        content, {m[0][0], m[0][1], m[1][0], m[1][1], origin.x - wholeX, origin.y - wholeY}, sigma};
    Shape& shape = shapes_[owner];
    if (shape.blurred.isEmpty() || !shape.matches(wanted)) {
        wanted.blurred =
            blurredShape(content, Homography::translation(-wholeX, -wholeY) * toDevice, sigma);
        shape = std::move(wanted);
    }
    shape.used = true;
    const IntRect placed =
        shape.blurred.rect().translated(static_cast<int>(wholeX + std::lround(offsetX)),
                                        static_cast<int>(wholeY + std::lround(offsetY)));
    const PixmanImage color = solidColor(style.rgba);
    target.composite(PIXMAN_OP_OVER, {color.get(), 0, 0},
                     {shape.blurred.image(), placed.x, placed.y}, placed);
}

void ShadowRenderer::endFrame() {
    std::erase_if(shapes_, [](auto& entry) { return !entry.second.used; });
    for (auto& [owner, shape] : shapes_) shape.used = false;
}

}  // namespace detail
