#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/graphics/CGContext.h"
#include "platform/graphics/detail/CoverageMask.h"
#include "platform/graphics/detail/GraphicsState.h"
#include "platform/graphics/detail/LibraryHandles.h"
#include "platform/graphics/detail/PaintSource.h"

// The body behind CGContextRef: a pixman image over the bitmap's memory, the graphics state stack
// and the current path (in device coordinates: pixels, origin top-left, y down). Every drawing
// operation becomes coverage (where, how much) and a source (what colour), composited through
// the clip with the blend mode, after a shadow when one is set.
class CGContext {
public:
    struct Layout {
        pixman_format_code_t format;
        CGColorSpaceRef space;  // null for alpha-only
        CGBitmapInfo bitmapInfo;
        size_t bitsPerPixel;
    };

    // `storage` owns `data` when the context allocated it; otherwise the caller does.
    CGContext(const Layout& layout, void* data, std::unique_ptr<uint8_t[]> storage, int width,
              int height, size_t bytesPerRow);

    const Layout& layout() const { return layout_; }
    void* data() const { return data_; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }
    size_t bytesPerRow() const { return bytesPerRow_; }

    detail::GraphicsState& state() { return state_; }
    void save();
    void restore();
    // User space → device pixels.
    CGAffineTransform deviceTransform() const;
    CGPath& path() { return path_; }

    // The base space of shadows and pattern tiles: UIKit contexts measure them in points with
    // y down; plain bitmap contexts in pixels with y up.
    void setUIKitBaseSpace(CGFloat scale);
    CGFloat baseScale() const { return baseScale_; }

    void fillPath(bool evenOdd);
    void strokePath();
    void clipToPath(bool evenOdd);
    void clipToMask(CGRect rect, const CGImage& mask);
    void drawImage(CGRect rect, const CGImage& image);
    void drawGradient(const CGGradient& gradient, const detail::GradientShape& shape,
                      CGGradientDrawingOptions options);
    // Coverage drawn by `draw` through a Cairo context whose matrix is the CTM, limited to
    // `deviceArea`, painted with the fill colour.
    void fillWithCairo(CGRect deviceArea, const std::function<void(cairo_t*)>& draw);
    CGRect clipBoundingBoxInUserSpace() const;

    CGImageRef makeImage() const;

private:
    detail::CoverageMask pathCoverage(bool evenOdd) const;
    bool castsShadow() const;
    void paint(detail::CoverageMask coverage, detail::PixmanImage source);
    // Paints `source` over the whole pixels of `area`, as a mask covering them fully would.
    void paintRect(const detail::IntRect& area, detail::PixmanImage source);
    void paintShadow(const detail::CoverageMask& coverage, pixman_image_t* source);
    void composite(pixman_image_t* source, const detail::CoverageMask& mask);
    // Through `mask`, which lies over `maskBounds` (null: full coverage there), within `area`.
    void composite(pixman_image_t* source, pixman_image_t* mask, const detail::IntRect& maskBounds,
                   const detail::IntRect& area);
    void intersectClip(detail::CoverageMask coverage);

    Layout layout_;
    void* data_;
    std::unique_ptr<uint8_t[]> storage_;
    detail::IntRect bounds_;
    size_t bytesPerRow_;
    detail::PixmanImage destination_;
    detail::GraphicsState state_;
    std::vector<detail::GraphicsState> savedStates_;
    CGPath path_;
    CGFloat baseScale_ = 1;
    bool baseYDown_ = false;
};
