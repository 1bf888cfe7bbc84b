#pragma once

#include <pixman.h>

#include <cstdint>

#include "platform/graphics/CGImage.h"
#include "platform/graphics/detail/IntRect.h"
#include "platform/graphics/detail/LibraryHandles.h"

namespace detail {

// A pixman image placed in device space: its pixel (0, 0) covers device pixel (x, y). Images
// whose own transform maps device space to their pixels are placed at (0, 0).
struct Placed {
    pixman_image_t* image = nullptr;
    int x = 0, y = 0;
};

// Pixels covering a rectangle of device space: the screen, an offscreen group placed where it
// will land, or a coverage buffer. Drawing addresses device pixels; `clip` (inside `rect`)
// limits it.
class Surface {
public:
    // Over the caller's native pixels, which must outlive the surface.
    Surface(uint32_t* pixels, IntRect rect);
    // Zeroed memory of its own; empty (drawing nothing) when `rect` is empty or too large.
    Surface(IntRect rect, pixman_format_code_t format);

    bool isEmpty() const { return !image_; }
    pixman_image_t* image() const { return image_.get(); }
    Placed placed() const { return {image_.get(), rect_.x, rect_.y}; }
    const IntRect& rect() const { return rect_; }
    const IntRect& clip() const { return clip_; }
    void setClip(const IntRect& clip) { clip_ = clip.intersected(rect_); }
    uint8_t* data() const;
    int stride() const;

    // source OP this, through `mask` where it has an image, within `area` and the clip.
    void composite(pixman_op_t op, Placed source, Placed mask, IntRect area);

    CGImageRef makeImage() const;

private:
    IntRect rect_;
    IntRect clip_;
    PixmanImage image_;
};

}  // namespace detail
