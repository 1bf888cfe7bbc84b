#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/graphics/CGGeometry.h"
#include "platform/graphics/CGImage.h"

class CALayer;

// Draws layer trees, as they are on screen at the clock's current time (presentation values,
// running transitions), into a screen-sized buffer of native pixels (0xAARRGGBB words, rows top
// to bottom) at the screen's scale. Layer coordinates are points; the roots are positioned in
// screen points. Main thread only.
class Compositor {
public:
    Compositor(size_t pixelWidth, size_t pixelHeight, CGFloat scale);
    ~Compositor();
    Compositor(const Compositor&) = delete;
    Compositor& operator=(const Compositor&) = delete;

    // Lays out and draws `roots` back to front over black. Gives false, leaving the buffer as it
    // was, when nothing that could change the picture has happened since the last frame.
    bool renderFrame(const std::vector<std::shared_ptr<CALayer>>& roots);

    size_t pixelWidth() const;
    size_t pixelHeight() const;
    CGFloat scale() const;
    const std::uint32_t* pixels() const;
    // A copy of the screen as it is now.
    CGImageRef snapshot() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// A picture of `layer`'s content and sublayers in its own bounds, at `scale` pixels per point,
// without its own position, transform, opacity or shadow: what a view transition animates.
CGImageRef renderLayerContent(CALayer& layer, CGFloat scale);
