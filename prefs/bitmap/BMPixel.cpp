#include "prefs/bitmap/BMPixel.h"

#include "platform/graphics/UIColor.h"

std::shared_ptr<UIColor> UIColorFromBMPixel(const BMPixel& pixel) {
    return UIColor::colorWithRed_green_blue_alpha(pixel.red, pixel.green, pixel.blue, pixel.alpha);
}
