#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "platform/graphics/CGColorSpace.h"
#include "platform/graphics/CGImage.h"

// An immutable colour: components in a grey or RGB colour space followed by alpha, each clamped
// to 0…1 (a value that is not a number reads as 0), or a pattern that tiles an image. Pattern
// tiles are `patternScale` image pixels to a point and are drawn upright from the top-left of
// the context they fill.
class CGColor {
  public:
    // `components` holds the space's components and then alpha.
    CGColor(CGColorSpaceRef space, const CGFloat* components);
    CGColor(CGImageRef patternImage, CGFloat patternScale);

    const CGColorSpaceRef& colorSpace() const { return space_; }
    const std::vector<CGFloat>& components() const { return components_; }
    CGFloat alpha() const;
    const CGImageRef& patternImage() const { return patternImage_; }
    CGFloat patternScale() const { return patternScale_; }
    // Red, green, blue and alpha, not premultiplied; none for a pattern.
    std::optional<std::array<CGFloat, 4>> rgba() const;

  private:
    CGColorSpaceRef space_;
    std::vector<CGFloat> components_;
    CGImageRef patternImage_;
    CGFloat patternScale_ = 1;
};

using CGColorRef = std::shared_ptr<const CGColor>;

// Null for a null or pattern colour space.
CGColorRef CGColorCreate(const CGColorSpaceRef& space, const CGFloat* components);
// Stands in for the platform's pattern colours built from an image tile (UIKit's pattern image).
CGColorRef CGColorCreateWithPatternImage(const CGImageRef& image, CGFloat scale);
CGColorRef CGColorCreateCopyWithAlpha(const CGColorRef& color, CGFloat alpha);
CGColorSpaceRef CGColorGetColorSpace(const CGColorRef& color);
// Colour components plus alpha; 1 for a pattern (its alpha).
size_t CGColorGetNumberOfComponents(const CGColorRef& color);
const CGFloat* CGColorGetComponents(const CGColorRef& color);
CGFloat CGColorGetAlpha(const CGColorRef& color);
bool CGColorEqualToColor(const CGColorRef& a, const CGColorRef& b);
