#pragma once

#include "platform/graphics/detail/CoverageMask.h"
#include "platform/graphics/detail/IntRect.h"
#include "platform/ui/layers/detail/ConvexPolygon.h"

namespace detail {

// Antialiased coverage of a polygon in device space, over the pixels it touches within `limit`.
// Masking a transformed picture with it leaves no stray pixels at the edges, which pixman's own
// sampling outside the picture would.
CoverageMask coverageOf(const ConvexPolygon& devicePolygon, const IntRect& limit);

// The device pixels a polygon touches, within `limit`.
IntRect pixelsTouchedBy(const ConvexPolygon& devicePolygon, const IntRect& limit);

}  // namespace detail
