#pragma once

#include <memory>

#include "platform/graphics/CGImage.h"
#include "platform/graphics/detail/LibraryHandles.h"
#include "platform/ui/layers/detail/ConvexPolygon.h"
#include "platform/ui/layers/detail/Homography.h"
#include "platform/ui/layers/detail/Surface.h"

namespace detail {

// A finished picture of a layer (a transition's snapshot, or content rendered offscreen), to be
// painted warped: in perspective, folded, or pulled into a point.
class Picture {
public:
    Picture() = default;
    explicit Picture(CGImageRef image);
    explicit Picture(Surface surface);

    bool isEmpty() const { return width_ == 0 || height_ == 0; }
    int width() const { return width_; }
    int height() const { return height_; }
    // A fresh pixman image over the pixels, free to be given its own transform.
    PixmanImage newSource() const;

    // Maps the picture's pixels onto `rect` of a layer's coordinates.
    Homography pixelsOnto(CGRect rect) const;

    // Paints the picture mapped by `pictureToDevice`, only inside `devicePolygon`, times
    // `opacity`.
    void paint(Surface& target, const Homography& pictureToDevice,
               const ConvexPolygon& devicePolygon, double opacity,
               pixman_op_t op = PIXMAN_OP_OVER) const;

private:
    CGImageRef image_;
    std::shared_ptr<Surface> surface_;
    int width_ = 0, height_ = 0;
};

}  // namespace detail
