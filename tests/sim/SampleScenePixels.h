#pragma once

#include <cstdint>
#include <cstdlib>

// Colour checks for pictures of the sample scene, tolerant of blending and scaling.
struct Rgb {
    int r, g, b;

    static Rgb of(std::uint32_t pixel) {
        return {static_cast<int>((pixel >> 16) & 0xff), static_cast<int>((pixel >> 8) & 0xff),
                static_cast<int>(pixel & 0xff)};
    }
    // The panel's translucent yellow over the backdrop.
    bool isPanel() const { return r > 200 && g > 190 && b < 170; }
    // The backdrop's blue-to-plum gradient.
    bool isBackdrop() const { return b > r && b > g && r < 140; }
    bool isNear(Rgb other, int tolerance) const {
        return std::abs(r - other.r) <= tolerance && std::abs(g - other.g) <= tolerance &&
               std::abs(b - other.b) <= tolerance;
    }
};

// The backdrop's top edge: 0.13, 0.22, 0.45.
inline constexpr Rgb kBackdropTop{33, 56, 115};
