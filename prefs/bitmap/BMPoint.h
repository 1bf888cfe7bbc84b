#pragma once

#include <cstdint>

#include "platform/graphics/CGGeometry.h"

// A pixel position (column, row; row 0 is the top row) or a size in pixels.
struct BMPoint {
    int64_t x = 0;
    int64_t y = 0;
    friend bool operator==(const BMPoint&, const BMPoint&) = default;
};

constexpr BMPoint BMPointMake(int64_t x, int64_t y) {
    return {x, y};
}

constexpr CGSize CGSizeFromBMPoint(BMPoint point) {
    return {static_cast<CGFloat>(point.x), static_cast<CGFloat>(point.y)};
}

// Each coordinate rounded to the nearest whole number, halves away from zero.
BMPoint BMPointFromSize(CGSize size);
BMPoint BMPointFromPoint(CGPoint point);
