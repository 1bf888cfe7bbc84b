#pragma once

#include <optional>

#include "platform/ui/layers/CALayer.h"
#include "platform/ui/layers/detail/ContentPainter.h"
#include "platform/ui/layers/detail/Homography.h"
#include "platform/ui/layers/detail/ShadowRenderer.h"
#include "platform/ui/layers/detail/Surface.h"

namespace detail {

// Draws layer trees as they are on screen at one moment: presentation geometry and opacity,
// model appearance, running transitions. Device space is pixels at `pixelsPerPoint`; drawing
// layers are asked for their content at that scale.
class LayerRenderer {
public:
    LayerRenderer(ShadowRenderer& shadows, double now, CGFloat pixelsPerPoint);

    // The layer, placed in its superlayer whose coordinates map to device space by
    // `parentToDevice`, with its shadow and sublayers.
    void drawLayer(CALayer& layer, const Homography& parentToDevice, Surface& target);
    // The layer's content and sublayers over its bounds, one pixel per device pixel, without its
    // placement, opacity or shadow.
    Surface renderContent(CALayer& layer);

private:
    // Content and sublayers, through an offscreen group where opacity or a shaped clip must
    // apply to them together.
    void drawBody(CALayer& layer, const LayerPresentation& presentation,
                  const LayerContent& content, const Homography& toDevice, double opacity,
                  Surface& target);
    void drawSublayers(CALayer& layer, const LayerContent& content, const Homography& toDevice,
                       Surface& target);
    void drawInPerspective(CALayer& layer, const LayerPresentation& presentation,
                           const Homography& toDevice, double opacity, Surface& target);
    void drawTransition(CALayer& layer, const LayerPresentation& presentation,
                        const Homography& layerToParent, const Homography& toDevice, double opacity,
                        Surface& target);
    // Where the layer and everything it draws can land in device space.
    CGRect deviceExtent(CALayer& layer, const LayerPresentation& presentation,
                        const Homography& toDevice);

    LayerContent contentOf(CALayer& layer, const LayerPresentation& presentation);
    std::optional<ShadowStyle> shadowOf(const CALayer& layer, double opacity) const;
    bool isTransitioning(const CALayer& layer) const;

    ShadowRenderer& shadows_;
    double now_;
    CGFloat pixelsPerPoint_;
};

}  // namespace detail
