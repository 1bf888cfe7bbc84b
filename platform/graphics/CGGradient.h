#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/graphics/CGColor.h"

using CGGradientDrawingOptions = uint32_t;
inline constexpr CGGradientDrawingOptions kCGGradientDrawsBeforeStartLocation = 1 << 0;
inline constexpr CGGradientDrawingOptions kCGGradientDrawsAfterEndLocation = 1 << 1;

// Colour stops at locations 0…1, interpolated not premultiplied. Stored as RGBA whatever the
// colour space they were given in.
class CGGradient {
  public:
    struct Stop {
        CGFloat location;
        std::array<CGFloat, 4> rgba;
    };
    explicit CGGradient(std::vector<Stop> stops);
    const std::vector<Stop>& stops() const { return stops_; }

  private:
    std::vector<Stop> stops_;
};

using CGGradientRef = std::shared_ptr<const CGGradient>;

// `components` holds `count` colours of the space's components plus alpha; a null `locations`
// spreads the stops evenly from 0 to 1. Null for a pattern space or fewer than one stop.
CGGradientRef CGGradientCreateWithColorComponents(const CGColorSpaceRef& space,
                                                  const CGFloat* components,
                                                  const CGFloat* locations, size_t count);
CGGradientRef CGGradientCreateWithColors(const CGColorSpaceRef& space,
                                         const std::vector<CGColorRef>& colors,
                                         const CGFloat* locations);
