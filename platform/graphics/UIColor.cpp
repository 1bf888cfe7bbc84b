#include "platform/graphics/UIColor.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/NSAssertionHandler.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/graphics/UIImage.h"
#include "platform/runtime/Runtime.h"

Class UIColor::classObject() {
    static const Class cls = defineClass<UIColor>("UIColor", NSObject::classObject());
    return cls;
}

namespace {

CGFloat unit(CGFloat value) {
    return std::isnan(value) ? 0 : std::clamp(value, 0.0, 1.0);
}

void store(CGFloat* out, CGFloat value) {
    if (out)
        *out = value;
}

}  // namespace

UIColor::UIColor(CGColorRef color) : color_(std::move(color)) {
    NSAssert(color_ != nullptr, "A colour needs a CGColor.");
}

std::shared_ptr<UIColor> UIColor::colorWithRed_green_blue_alpha(CGFloat red, CGFloat green,
                                                                CGFloat blue, CGFloat alpha) {
    const CGFloat components[] = {red, green, blue, alpha};
    return std::make_shared<UIColor>(CGColorCreate(CGColorSpaceCreateDeviceRGB(), components));
}

std::shared_ptr<UIColor> UIColor::colorWithHue_saturation_brightness_alpha(CGFloat hue,
                                                                           CGFloat saturation,
                                                                           CGFloat brightness,
                                                                           CGFloat alpha) {
    const CGFloat h = unit(hue) == 1 ? 0 : unit(hue) * 6;
    const CGFloat s = unit(saturation), v = unit(brightness);
    const int sector = static_cast<int>(h);
    const CGFloat f = h - sector;
    const CGFloat p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    const CGFloat rgb[6][3] = {{v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}};
    const auto& c = rgb[std::clamp(sector, 0, 5)];
    return colorWithRed_green_blue_alpha(c[0], c[1], c[2], alpha);
}

std::shared_ptr<UIColor> UIColor::colorWithWhite_alpha(CGFloat white, CGFloat alpha) {
    const CGFloat components[] = {white, alpha};
    return std::make_shared<UIColor>(CGColorCreate(CGColorSpaceCreateDeviceGray(), components));
}

std::shared_ptr<UIColor> UIColor::colorWithCGColor(const CGColorRef& color) {
    return color ? std::make_shared<UIColor>(color) : nullptr;
}

std::shared_ptr<UIColor> UIColor::colorWithPatternImage(const std::shared_ptr<UIImage>& image) {
    if (!image)
        return nullptr;
    return std::make_shared<UIColor>(
        CGColorCreateWithPatternImage(image->CGImage(), image->scale()));
}

std::shared_ptr<UIColor> UIColor::clearColor() {
    return colorWithWhite_alpha(0, 0);
}
std::shared_ptr<UIColor> UIColor::blackColor() {
    return colorWithWhite_alpha(0, 1);
}
std::shared_ptr<UIColor> UIColor::whiteColor() {
    return colorWithWhite_alpha(1, 1);
}
std::shared_ptr<UIColor> UIColor::grayColor() {
    return colorWithWhite_alpha(0.5, 1);
}
std::shared_ptr<UIColor> UIColor::redColor() {
    return colorWithRed_green_blue_alpha(1, 0, 0, 1);
}

bool UIColor::getRed_green_blue_alpha(CGFloat* red, CGFloat* green, CGFloat* blue,
                                      CGFloat* alpha) const {
    const auto rgba = color_->rgba();
    if (!rgba)
        return false;
    store(red, (*rgba)[0]);
    store(green, (*rgba)[1]);
    store(blue, (*rgba)[2]);
    store(alpha, (*rgba)[3]);
    return true;
}

bool UIColor::getHue_saturation_brightness_alpha(CGFloat* hue, CGFloat* saturation,
                                                 CGFloat* brightness, CGFloat* alpha) const {
    const auto rgba = color_->rgba();
    if (!rgba)
        return false;
    const auto [r, g, b, a] = *rgba;
    const CGFloat maximum = std::max({r, g, b}), minimum = std::min({r, g, b});
    const CGFloat delta = maximum - minimum;
    CGFloat h = 0;
    if (delta > 0) {
        if (maximum == r) {
            h = (g - b) / delta;
        } else if (maximum == g) {
            h = 2 + (b - r) / delta;
        } else {
            h = 4 + (r - g) / delta;
        }
        h /= 6;
        if (h < 0)
            h += 1;
    }
    store(hue, h);
    store(saturation, maximum > 0 ? delta / maximum : 0);
    store(brightness, maximum);
    store(alpha, a);
    return true;
}

bool UIColor::getWhite_alpha(CGFloat* white, CGFloat* alpha) const {
    if (CGColorSpaceGetModel(color_->colorSpace()) != kCGColorSpaceModelMonochrome)
        return false;
    store(white, color_->components()[0]);
    store(alpha, color_->components()[1]);
    return true;
}

std::shared_ptr<UIColor> UIColor::colorWithAlphaComponent(CGFloat alpha) const {
    return std::make_shared<UIColor>(CGColorCreateCopyWithAlpha(color_, alpha));
}

void UIColor::setFill() const {
    CGContextSetFillColorWithColor(UIGraphicsGetCurrentContext(), color_);
}

void UIColor::setStroke() const {
    CGContextSetStrokeColorWithColor(UIGraphicsGetCurrentContext(), color_);
}

void UIColor::set() const {
    setFill();
    setStroke();
}
