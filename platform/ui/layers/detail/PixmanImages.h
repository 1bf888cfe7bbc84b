#pragma once

#include <array>

#include "platform/graphics/CGColor.h"
#include "platform/graphics/CGGeometry.h"
#include "platform/graphics/CGImage.h"
#include "platform/graphics/detail/LibraryHandles.h"
#include "platform/ui/layers/detail/Homography.h"
#include "platform/ui/layers/detail/Surface.h"

// pixman sources for the compositor: colours, and pictures mapped into device space.
namespace detail {

// The image's pixels, shared without a copy: pixman only reads a source.
PixmanImage wrapImage(const CGImage& image);
// Premultiplied from straight red, green, blue and alpha times `opacity`.
PixmanImage solidColor(const std::array<CGFloat, 4>& rgba, double opacity = 1);
// A mask of constant coverage; null for full coverage, which needs no mask.
PixmanImage uniformCoverage(double opacity);

// A source image whose pixel space maps into device space by `imageToDevice`, edges extended
// outward (coverage decides where it ends) or tiled. Whole-pixel moves are placed rather than
// transformed, which keeps pixman on its fast paths. A perspective map needs the device `area`
// it will be sampled over. An empty result when the map is singular.
struct MappedSource {
    PixmanImage image;
    Placed placed;
};
// A source used as it is: a colour, or a picture already in device space.
MappedSource unmapped(PixmanImage image);
enum class EdgeMode { Extend, Tile };
MappedSource mapImage(PixmanImage image, const Homography& imageToDevice,
                      EdgeMode edges = EdgeMode::Extend, const IntRect& area = {});

}  // namespace detail
