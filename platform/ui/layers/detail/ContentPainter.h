#pragma once

#include "platform/graphics/CGColor.h"
#include "platform/graphics/CGImage.h"
#include "platform/ui/layers/detail/ConvexPolygon.h"
#include "platform/ui/layers/detail/Homography.h"
#include "platform/ui/layers/detail/Surface.h"

namespace detail {

// What a layer paints itself, beneath its sublayers, in its bounds' coordinates.
struct LayerContent {
    CGRect bounds;
    CGFloat cornerRadius = 0;
    CGColorRef backgroundColor;
    CGImageRef contents;  // stretched over the bounds
    CGImageRef backing;   // drawn content at `backingScale` pixels per point
    CGFloat backingScale = 1;

    bool isEmpty() const;
};

// The shape the content is cut to (the bounds, rounded by the corner radius) in device space.
ConvexPolygon outlineInDevice(const LayerContent& content, const Homography& toDevice);

// Background, contents and drawn content through `toDevice`, cut to the rounded bounds, times
// `opacity`. Into an alpha-only surface this paints the content's alpha: the shape of its shadow.
void paintContent(Surface& surface, const LayerContent& content, const Homography& toDevice,
                  double opacity);

}  // namespace detail
