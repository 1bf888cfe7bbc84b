#pragma once

#include <array>

#include "platform/graphics/CGAffineTransform.h"
#include "platform/graphics/CGColor.h"
#include "platform/graphics/CGGradient.h"
#include "platform/graphics/CGImage.h"
#include "platform/graphics/detail/LibraryHandles.h"

// pixman source images in device space: what a fill, stroke, image or gradient paints before
// coverage and clip decide where. A null result means nothing can be painted (for instance a
// singular transform).
namespace detail {

// 8-bit-exact premultiplied solid colour from non-premultiplied components.
PixmanImage solidSource(const std::array<CGFloat, 4>& rgba);
// A solid colour, or the pattern tiled upright from the device origin at `deviceScale` device
// pixels per point.
PixmanImage colorSource(const CGColor& color, CGFloat deviceScale);
// The image's pixel space mapped into device space by `imageToDevice`; edges extend outward so
// that coverage alone decides where the image ends.
PixmanImage imageSource(const CGImage& image, const CGAffineTransform& imageToDevice);

struct GradientShape {
    CGPoint startCentre, endCentre;
    CGFloat startRadius = 0, endRadius = 0;
    bool radial = false;
};
// `userExtent`: how far in user units the drawing may reach, for one-sided extension.
PixmanImage gradientSource(const CGGradient& gradient, GradientShape shape,
                           CGGradientDrawingOptions options, const CGAffineTransform& userToDevice,
                           CGFloat userExtent);

}  // namespace detail
