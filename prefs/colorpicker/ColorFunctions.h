#pragma once

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>

#include "platform/graphics/CGColor.h"
#include "prefs/bitmap/BMPixel.h"

class UIColor;
class UIImage;

// The colour picker's colour conversions and small image helpers. The pixel conversions are pure
// and safe on any thread (the wheel is rendered in the background); the rest run on the main
// thread.

// Hue, saturation and brightness in 0…1 to an opaque pixel. A hue of exactly 1 is red, as is 0.
BMPixel PixelFromHSV(double hue, double saturation, double brightness);
// The pixel's alpha is ignored. Any output may be null.
void HSVFromPixel(BMPixel pixel, double* hue, double* saturation, double* brightness);

// Red, green, blue and alpha, not premultiplied. Colours that answer neither as RGB nor as grey
// (patterns) are measured by rendering them into one pixel, which quantises each component to
// 1/255 before the alpha is divided out. A null colour reads as transparent black.
void GetComponentsForColor(CGFloat components[4], const std::shared_ptr<UIColor>& color);
// The colour drawn over a single transparent pixel, read back and un-premultiplied.
void GetComponentsByRendering(CGFloat components[4], const CGColorRef& color);

// The platform reads greys as RGB too, so the white reading only matters to colour types that
// refuse RGB; this form takes any type with the platform colour's read-back operations.
template <class Color>
void GetComponentsForColor(CGFloat components[4], const Color& color) {
    if (color.getRed_green_blue_alpha(&components[0], &components[1], &components[2],
                                      &components[3])) {
        return;
    }
    if (color.getWhite_alpha(&components[0], &components[3])) {
        components[1] = components[2] = components[0];
        return;
    }
    GetComponentsByRendering(components, color.CGColor());
}

// The same pixels declared at another scale, orientation up. Null for a null image.
std::shared_ptr<UIImage> UIImageWithScale(const std::shared_ptr<UIImage>& image, double scale);

// A length × length point checkerboard tile at `scale`: the colour at top-left and bottom-right,
// white at the other two quarters. A null colour leaves its quarters transparent. Length and
// scale must be greater than 0.
std::shared_ptr<UIImage> OpacityBackgroundImage(double length, double scale,
                                                const std::shared_ptr<UIColor>& color);

// A lively colour: saturation and brightness (and alpha unless opaque) in [0.5, 0.996], from
// three or four draws of `random` in the order hue, saturation, brightness, alpha.
std::shared_ptr<UIColor> RandomColorOpaque(bool opaque,
                                           const std::function<uint32_t()>& random = arc4random);
