#pragma once

#include <array>
#include <unordered_map>

#include "platform/graphics/CGGeometry.h"
#include "platform/ui/layers/detail/ContentPainter.h"
#include "platform/ui/layers/detail/Surface.h"

namespace detail {

struct ShadowStyle {
    std::array<CGFloat, 4> rgba;  // straight colour; its alpha times the shadow's opacity
    CGSize offset;                // points, y down
    CGFloat radius = 0;           // blur radius, points
};

// Paints layer shadows: the alpha of a layer's content, blurred, moved by the offset and painted
// in the shadow colour beneath the layer. Blurring is the costly part, so each layer's blurred
// shape is kept while its shape, size and sub-pixel placement stay the same; moving by whole
// pixels reuses it.
class ShadowRenderer {
public:
    // `owner` identifies the layer casting it. Shadows of layers seen in perspective are not
    // drawn.
    void paint(Surface& target, const void* owner, const LayerContent& content,
               const Homography& toDevice, const ShadowStyle& style, CGFloat pixelsPerPoint);
    // Forgets the shapes of layers not painted since the last call.
    void endFrame();

private:
    struct Shape {
        LayerContent content;
        std::array<double, 6> placement;  // linear part and sub-pixel offset of the map
        double sigma = 0;
        Surface blurred{IntRect{}, PIXMAN_a8};  // placed relative to the whole-pixel offset
        bool used = false;
        bool matches(const Shape& other) const;
    };
    std::unordered_map<const void*, Shape> shapes_;
};

}  // namespace detail
