#include "platform/ui/layers/detail/LayerRenderer.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/layers/LayerTransition.h"
#include "platform/ui/layers/detail/PixmanImages.h"
#include "platform/ui/layers/detail/PolygonCoverage.h"
#include "platform/ui/layers/detail/Transitions.h"

namespace detail {

namespace {

// The layer's coordinates into its superlayer's: the anchor point lands on the position
// through the transform.
Homography placement(const LayerPresentation& p) {
    const CGPoint anchor{p.bounds.origin.x + p.anchorPoint.x * p.bounds.size.width,
                         p.bounds.origin.y + p.anchorPoint.y * p.bounds.size.height};
    return Homography::translation(p.position.x, p.position.y) *
           Homography::fromTransform3D(p.transform) * Homography::translation(-anchor.x, -anchor.y);
}

// A clip that whole device pixels cannot express: rounded, turned, or off the pixel grid.
bool needsShapedClip(const LayerContent& content, const Homography& toDevice) {
    if (content.cornerRadius > 0 || !toDevice.isAxisAligned()) return true;
    for (const CGPoint corner : polygonOfRect(content.bounds)) {
        const CGPoint p = toDevice.apply(corner);
        if (p.x != std::round(p.x) || p.y != std::round(p.y)) return true;
    }
    return false;
}

IntRect pixelsOf(CGRect deviceRect, const IntRect& limit) {
    return IntRect::enclosing(deviceRect, limit);
}

CGRect unionOf(CGRect a, CGRect b) {
    if (CGRectIsNull(a)) return b;
    if (CGRectIsNull(b)) return a;
    return CGRectUnion(a, b);
}

}  // namespace

LayerRenderer::LayerRenderer(ShadowRenderer& shadows, double now, CGFloat pixelsPerPoint)
    : shadows_(shadows), now_(now), pixelsPerPoint_(pixelsPerPoint) {}

bool LayerRenderer::isTransitioning(const CALayer& layer) const {
    const auto& transition = layer.transition();
    return transition && transition->progressAt(now_) < 1;
}

void LayerRenderer::drawLayer(CALayer& layer, const Homography& parentToDevice, Surface& target) {
    const bool transitioning = isTransitioning(layer);
    if ((layer.isHidden() && !transitioning) || target.clip().isEmpty()) return;
    const LayerPresentation presentation = layer.presentation();
    // A transition shows the layer as it was, whatever its opacity has become.
    const double opacity =
        std::min(transitioning ? layer.transition()->beforeOpacity : presentation.opacity, 1.0);
    if (!(opacity > 0)) return;
    const Homography layerToParent = placement(presentation);
    const Homography toDevice = parentToDevice * layerToParent;
    if (!toDevice.isFinite()) return;
    if (transitioning) {
        drawTransition(layer, presentation, layerToParent, toDevice, opacity, target);
    } else if (!toDevice.isAffine()) {
        drawInPerspective(layer, presentation, toDevice, opacity, target);
    } else {
        const LayerContent content = contentOf(layer, presentation);
        if (const auto shadow = shadowOf(layer, opacity))
            shadows_.paint(target, &layer, content, toDevice, *shadow, pixelsPerPoint_);
        drawBody(layer, presentation, content, toDevice, opacity, target);
    }
}

Surface LayerRenderer::renderContent(CALayer& layer) {
    const LayerPresentation presentation = layer.presentation();
    const CGSize size = presentation.bounds.size;
    const double width = std::ceil(size.width * pixelsPerPoint_);
    const double height = std::ceil(size.height * pixelsPerPoint_);
    // Surface refuses anything this large anyway; checking first keeps the conversion defined.
    constexpr double kLargest = 1 << 20;
    if (!(width >= 1 && height >= 1 && width < kLargest && height < kLargest))
        return Surface(IntRect{}, PIXMAN_a8r8g8b8);
    Surface surface({0, 0, static_cast<int>(width), static_cast<int>(height)}, PIXMAN_a8r8g8b8);
    const Homography toDevice =
        Homography::scale(pixelsPerPoint_, pixelsPerPoint_) *
        Homography::translation(-presentation.bounds.origin.x, -presentation.bounds.origin.y);
    drawBody(layer, presentation, contentOf(layer, presentation), toDevice, 1, surface);
    return surface;
}

void LayerRenderer::drawBody(CALayer& layer, const LayerPresentation& presentation,
                             const LayerContent& content, const Homography& toDevice,
                             double opacity, Surface& target) {
    if (layer.sublayers().empty()) {
        paintContent(target, content, toDevice, opacity);
        return;
    }
    const bool shapedClip = layer.masksToBounds() && needsShapedClip(content, toDevice);
    if (opacity >= 1 && !shapedClip) {
        paintContent(target, content, toDevice, 1);
        drawSublayers(layer, content, toDevice, target);
        return;
    }
    // Drawn together offscreen, so that overlapping sublayers are not blended twice and the
    // clip cuts them all at once.
    const IntRect area = pixelsOf(deviceExtent(layer, presentation, toDevice), target.clip());
    Surface group(area, PIXMAN_a8r8g8b8);
    if (group.isEmpty()) return;
    paintContent(group, content, toDevice, 1);
    drawSublayers(layer, content, toDevice, group);
    if (shapedClip) {
        CoverageMask clip = coverageOf(outlineInDevice(content, toDevice), area);
        clip.multiply(opacity);
        target.composite(PIXMAN_OP_OVER, group.placed(),
                         {clip.image(), clip.bounds().x, clip.bounds().y}, clip.bounds());
    } else {
        const PixmanImage coverage = uniformCoverage(opacity);
        target.composite(PIXMAN_OP_OVER, group.placed(), {coverage.get(), 0, 0}, area);
    }
}

void LayerRenderer::drawSublayers(CALayer& layer, const LayerContent& content,
                                  const Homography& toDevice, Surface& target) {
    const IntRect outerClip = target.clip();
    if (layer.masksToBounds()) {
        // Exact for bounds on whole pixels; otherwise a shaped clip cuts the group afterwards.
        target.setClip(
            pixelsOf(boundingBox(project(polygonOfRect(content.bounds), toDevice)), outerClip));
    }
    // A copy: drawing delegates may change the tree.
    const auto sublayers = layer.sublayers();
    for (const auto& sublayer : sublayers) drawLayer(*sublayer, toDevice, target);
    target.setClip(outerClip);
}

void LayerRenderer::drawInPerspective(CALayer& layer, const LayerPresentation& presentation,
                                      const Homography& toDevice, double opacity, Surface& target) {
    // Drawn flat offscreen, then warped into place through the projected outline.
    const Picture picture(renderContent(layer));
    picture.paint(target, toDevice * picture.pixelsOnto(presentation.bounds),
                  project(polygonOfRect(presentation.bounds), toDevice), opacity);
}

void LayerRenderer::drawTransition(CALayer& layer, const LayerPresentation& presentation,
                                   const Homography& layerToParent, const Homography& toDevice,
                                   double opacity, Surface& target) {
    const LayerTransition& transition = *layer.transition();
    TransitionFrame frame{presentation.bounds,
                          toDevice,
                          opacity,
                          transition.progressAt(now_),
                          Picture(transition.before),
                          [&] {
                              const bool invisible =
                                  layer.isHidden() || !(presentation.opacity > 0);
                              return invisible ? Picture() : Picture(renderContent(layer));
                          }};
    switch (transition.kind) {
        case TransitionKind::FlipFromLeft:
        case TransitionKind::FlipFromRight:
            drawFlip(target, frame, transition.kind);
            return;
        case TransitionKind::CurlUp:
        case TransitionKind::CurlDown:
            drawCurl(target, frame, transition.kind);
            return;
        case TransitionKind::Collapse: {
            const auto parentToLayer = layerToParent.inverted();
            const CGPoint centre{CGRectGetMidX(presentation.bounds),
                                 CGRectGetMidY(presentation.bounds)};
            drawCollapse(target, frame,
                         parentToLayer && parentToLayer->w(transition.target) > 0
                             ? parentToLayer->apply(transition.target)
                             : centre);
            return;
        }
    }
    drawBody(layer, presentation, contentOf(layer, presentation), toDevice, opacity, target);
}

CGRect LayerRenderer::deviceExtent(CALayer& layer, const LayerPresentation& presentation,
                                   const Homography& toDevice) {
    CGRect extent = boundingBox(project(polygonOfRect(presentation.bounds), toDevice));
    if (const auto shadow = shadowOf(layer, 1); shadow && !CGRectIsNull(extent)) {
        // The blur reaches about three sigmas, sigma being half the radius.
        const double reach = 1.5 * std::fabs(shadow->radius) * pixelsPerPoint_ + 2;
        const CGRect cast = CGRectOffset(CGRectInset(extent, -reach, -reach),
                                         shadow->offset.width * pixelsPerPoint_,
                                         shadow->offset.height * pixelsPerPoint_);
        extent = unionOf(extent, cast);
    }
    if (layer.masksToBounds()) return extent;
    for (const auto& sublayer : layer.sublayers()) {
        if (sublayer->isHidden() && !isTransitioning(*sublayer)) continue;
        const LayerPresentation p = sublayer->presentation();
        const Homography subToDevice = toDevice * placement(p);
        if (subToDevice.isFinite())
            extent = unionOf(extent, deviceExtent(*sublayer, p, subToDevice));
    }
    return extent;
}

LayerContent LayerRenderer::contentOf(CALayer& layer, const LayerPresentation& presentation) {
    LayerContent content{presentation.bounds,
                         layer.cornerRadius(),
                         layer.backgroundColor(),
                         layer.contents(),
                         nullptr,
                         pixelsPerPoint_};
    if (layer.drawsContent()) {
        content.backing = layer.backingImage();
        content.backingScale = layer.contentsScale();
    }
    return content;
}

std::optional<ShadowStyle> LayerRenderer::shadowOf(const CALayer& layer, double opacity) const {
    const CGColorRef& color = layer.shadowColor();
    if (!color || !(layer.shadowOpacity() > 0)) return std::nullopt;
    auto rgba = color->rgba();
    if (!rgba) return std::nullopt;
    (*rgba)[3] *= std::min(static_cast<double>(layer.shadowOpacity()), 1.0) * opacity;
    if (!((*rgba)[3] > 0)) return std::nullopt;
    return ShadowStyle{*rgba, layer.shadowOffset(), layer.shadowRadius()};
}

}  // namespace detail
