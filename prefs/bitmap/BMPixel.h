#pragma once

#include <memory>

class UIColor;

// A colour of the bitmap toolkit: components 0…1, not premultiplied.
struct BMPixel {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 0;
    friend bool operator==(const BMPixel&, const BMPixel&) = default;
};

constexpr BMPixel BMPixelMake(double red, double green, double blue, double alpha) {
    return {red, green, blue, alpha};
}

std::shared_ptr<UIColor> UIColorFromBMPixel(const BMPixel& pixel);
