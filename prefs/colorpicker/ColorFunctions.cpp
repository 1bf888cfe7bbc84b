#include "prefs/colorpicker/ColorFunctions.h"

#include <cmath>

#include "platform/foundation/NSAssertionHandler.h"
#include "platform/graphics/CGContext.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/graphics/UIImage.h"

BMPixel PixelFromHSV(double hue, double saturation, double brightness) {
    const double v = brightness;
    if (saturation == 0) return BMPixelMake(v, v, v, 1);
    const double h6 = hue == 1.0 ? 0 : hue * 6;
    // Compared as a double: a hue outside 0…1 (or not a number) must not reach an integer cast.
    const double sector = std::trunc(h6);
    const double f = h6 - sector;
    const double p = v * (1 - saturation);
    const double q = v * (1 - saturation * f);
    const double t = v * (1 - saturation * (1 - f));
    if (sector == 0) return BMPixelMake(v, t, p, 1);
    if (sector == 1) return BMPixelMake(q, v, p, 1);
    if (sector == 2) return BMPixelMake(p, v, t, 1);
    if (sector == 3) return BMPixelMake(p, q, v, 1);
    if (sector == 4) return BMPixelMake(t, p, v, 1);
    return BMPixelMake(v, p, q, 1);
}

void HSVFromPixel(BMPixel pixel, double* hue, double* saturation, double* brightness) {
    UIColor::colorWithRed_green_blue_alpha(pixel.red, pixel.green, pixel.blue, 1.0)
        ->getHue_saturation_brightness_alpha(hue, saturation, brightness, nullptr);
}

void GetComponentsForColor(CGFloat components[4], const std::shared_ptr<UIColor>& color) {
    if (!color) {
        components[0] = components[1] = components[2] = components[3] = 0;
        return;
    }
    GetComponentsForColor(components, *color);
}

void GetComponentsByRendering(CGFloat components[4], const CGColorRef& color) {
    uint8_t pixel[4] = {};
    const CGContextRef context = CGBitmapContextCreate(
        pixel, 1, 1, 8, 4, CGColorSpaceCreateDeviceRGB(), kCGImageAlphaPremultipliedLast);
    // A fresh context fills black, so a missing colour must not reach the fill.
    if (color) {
        CGContextSetFillColorWithColor(context, color);
        CGContextFillRect(context, CGRectMake(0, 0, 1, 1));
    }
    for (int i = 0; i < 4; ++i) components[i] = pixel[i] / 255.0;
    if (components[3] > 0) {
        for (int i = 0; i < 3; ++i) components[i] /= components[3];
    }
}

std::shared_ptr<UIImage> UIImageWithScale(const std::shared_ptr<UIImage>& image, double scale) {
    if (!image) return nullptr;
    return UIImage::imageWithCGImage_scale_orientation(image->CGImage(), scale,
                                                       UIImageOrientationUp);
}

std::shared_ptr<UIImage> OpacityBackgroundImage(double length, double scale,
                                                const std::shared_ptr<UIColor>& color) {
    NSAssert(length > 0, "Invalid parameter not satisfying: length > 0");
    NSAssert(scale > 0, "Invalid parameter not satisfying: scale > 0");
    const double half = length * 0.5;
    UIGraphicsBeginImageContextWithOptions({length, length}, false, scale);
    if (color) {
        color->setFill();
        UIRectFill(CGRectMake(0, 0, half, half));
        UIRectFill(CGRectMake(half, half, half, half));
    }
    UIColor::whiteColor()->setFill();
    UIRectFill(CGRectMake(0, half, half, half));
    UIRectFill(CGRectMake(half, 0, half, half));
    const auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return UIImageWithScale(image, scale);
}

std::shared_ptr<UIColor> RandomColorOpaque(bool opaque, const std::function<uint32_t()>& random) {
    // Drawn one by one: the order of the draws is part of the behaviour.
    const double hue = (random() & 0xFF) / 256.0;
    const double saturation = (random() & 0x7F) / 256.0 + 0.5;
    const double brightness = (random() & 0x7F) / 256.0 + 0.5;
    const double alpha = opaque ? 1.0 : (random() & 0x7F) / 256.0 + 0.5;
    return UIColor::colorWithHue_saturation_brightness_alpha(hue, saturation, brightness, alpha);
}
