#pragma once

#include <cstdint>

#include "platform/graphics/detail/IntRect.h"
#include "platform/graphics/detail/LibraryHandles.h"

namespace detail {

// 8-bit coverage over a rectangle of device pixels; everything outside the rectangle has coverage
// 0. Cairo draws shapes and text into it; pixman uses it as the mask of a composite. Clips are
// coverage masks too.
class CoverageMask {
  public:
    // All zero, or all `value`.
    explicit CoverageMask(IntRect bounds, uint8_t value = 0);

    const IntRect& bounds() const { return bounds_; }
    bool isEmpty() const { return bounds_.isEmpty(); }
    pixman_image_t* image() const { return image_.get(); }
    uint8_t* data() const;
    int stride() const;

    // A Cairo context whose user space is device space, with an opaque source: fill or stroke
    // through it to add coverage.
    Cairo drawingContext() const;

    // The coverage of both masks, over the overlap of their rectangles.
    CoverageMask intersected(const CoverageMask& other) const;
    CoverageMask croppedTo(const IntRect& rect) const;
    void multiply(double alpha);
    void moveBy(int dx, int dy) { bounds_ = bounds_.translated(dx, dy); }

  private:
    IntRect bounds_;
    CairoSurface surface_;
    PixmanImage image_;
};

}  // namespace detail
