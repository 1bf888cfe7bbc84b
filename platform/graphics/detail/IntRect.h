#pragma once

#include <algorithm>
#include <cmath>

#include "platform/graphics/CGGeometry.h"

namespace detail {

// A rectangle of whole device pixels.
struct IntRect {
    int x = 0, y = 0, width = 0, height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    int maxX() const { return x + width; }
    int maxY() const { return y + height; }

    IntRect intersected(const IntRect& other) const {
        const int left = std::max(x, other.x), top = std::max(y, other.y);
        const int right = std::min(maxX(), other.maxX()), bottom = std::min(maxY(), other.maxY());
        if (right <= left || bottom <= top)
            return {};
        return {left, top, right - left, bottom - top};
    }

    IntRect inflated(int amount) const {
        return {x - amount, y - amount, width + 2 * amount, height + 2 * amount};
    }

    IntRect translated(int dx, int dy) const { return {x + dx, y + dy, width, height}; }

    // The whole pixels touched by `rect`, limited to `limit` (which also keeps huge or
    // non-finite rectangles from overflowing).
    static IntRect enclosing(CGRect rect, const IntRect& limit) {
        if (CGRectIsNull(rect) || !std::isfinite(rect.origin.x) || !std::isfinite(rect.origin.y) ||
            !std::isfinite(rect.size.width) || !std::isfinite(rect.size.height)) {
            return {};
        }
        const auto clampTo = [](CGFloat v, int lo, int hi) {
            return static_cast<int>(
                std::clamp(v, static_cast<CGFloat>(lo), static_cast<CGFloat>(hi)));
        };
        const int left = clampTo(std::floor(CGRectGetMinX(rect)), limit.x, limit.maxX());
        const int top = clampTo(std::floor(CGRectGetMinY(rect)), limit.y, limit.maxY());
        const int right = clampTo(std::ceil(CGRectGetMaxX(rect)), limit.x, limit.maxX());
        const int bottom = clampTo(std::ceil(CGRectGetMaxY(rect)), limit.y, limit.maxY());
        return {left, top, right - left, bottom - top};
    }
};

}  // namespace detail
