#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "prefs/bitmap/ImageBitmapRep.h"

// Reads and paints the tiny bitmaps of the toolkit's tests.
using Raw = std::array<uint8_t, 4>;

// The stored bytes as they lie in memory: A, R, G, B.
inline Raw memoryAt(const std::shared_ptr<ImageBitmapRep>& rep, BMPoint point) {
    const auto* bytes = static_cast<const uint8_t*>(CGBitmapContextGetData(rep->context())) +
                        (point.x + rep->bitmapSize().x * point.y) * 4;
    return {bytes[0], bytes[1], bytes[2], bytes[3]};
}

// Columns [x0, x1) of every row in one colour.
inline void paintColumns(const std::shared_ptr<ImageBitmapRep>& rep, int64_t x0, int64_t x1,
                         const BMPixel& colour) {
    for (int64_t y = 0; y < rep->bitmapSize().y; ++y) {
        for (int64_t x = x0; x < x1; ++x) rep->setPixel_atPoint(colour, {x, y});
    }
}

inline std::shared_ptr<ImageBitmapRep> solidRep(int64_t width, int64_t height,
                                                const BMPixel& colour) {
    auto rep = ImageBitmapRep::initWithSize({width, height});
    paintColumns(rep, 0, width, colour);
    return rep;
}

inline constexpr BMPixel kRed = BMPixelMake(1, 0, 0, 1);
inline constexpr BMPixel kGreen = BMPixelMake(0, 1, 0, 1);
inline constexpr BMPixel kBlue = BMPixelMake(0, 0, 1, 1);
inline constexpr Raw kRedBytes{255, 255, 0, 0};
inline constexpr Raw kGreenBytes{255, 0, 255, 0};
inline constexpr Raw kBlueBytes{255, 0, 0, 255};
inline constexpr Raw kClearBytes{0, 0, 0, 0};
