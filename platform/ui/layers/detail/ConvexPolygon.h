#pragma once

#include <vector>

#include "platform/graphics/CGGeometry.h"
#include "platform/ui/layers/detail/Homography.h"

namespace detail {

// A convex outline, its corners in order. Layers, their rounded rectangles and the pieces of
// warped pictures are all convex, so clipping them by a line keeps them one polygon.
using ConvexPolygon = std::vector<CGPoint>;

ConvexPolygon polygonOfRect(CGRect rect);
// The rounded rectangle with arcs flattened finely enough for `pixelsPerUnit`.
ConvexPolygon polygonOfRoundedRect(CGRect rect, CGFloat radius, CGFloat pixelsPerUnit);
// The part where a·x + b·y + c ≥ 0.
ConvexPolygon clipToHalfPlane(const ConvexPolygon& polygon, double a, double b, double c);
// Through the map, without the part behind the viewer (w ≤ 0), which has no place on screen.
ConvexPolygon project(const ConvexPolygon& polygon, const Homography& map);
// CGRectNull for an empty polygon.
CGRect boundingBox(const ConvexPolygon& polygon);

}  // namespace detail
