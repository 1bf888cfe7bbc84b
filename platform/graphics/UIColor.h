#pragma once

#include <memory>

#include "platform/graphics/CGColor.h"
#include "platform/runtime/NSObject.h"

class UIImage;

// An immutable colour over a CGColor: RGB, grey (white level) or a tiled pattern image.
// Components are clamped to 0…1 when the colour is made.
class UIColor : public NSObject {
    RUNTIME_CLASS(UIColor)
    explicit UIColor(CGColorRef color);

    static std::shared_ptr<UIColor> colorWithRed_green_blue_alpha(CGFloat red, CGFloat green,
                                                                  CGFloat blue, CGFloat alpha);
    // Converted to RGB when made; a hue of 1 is red again.
    static std::shared_ptr<UIColor> colorWithHue_saturation_brightness_alpha(CGFloat hue,
                                                                             CGFloat saturation,
                                                                             CGFloat brightness,
                                                                             CGFloat alpha);
    static std::shared_ptr<UIColor> colorWithWhite_alpha(CGFloat white, CGFloat alpha);
    static std::shared_ptr<UIColor> colorWithCGColor(const CGColorRef& color);
    // Tiles the image at its scale; null for a null image.
    static std::shared_ptr<UIColor> colorWithPatternImage(const std::shared_ptr<UIImage>& image);
    static std::shared_ptr<UIColor> clearColor();
    static std::shared_ptr<UIColor> blackColor();
    static std::shared_ptr<UIColor> whiteColor();
    static std::shared_ptr<UIColor> grayColor();
    static std::shared_ptr<UIColor> redColor();

    // Each answers false and leaves the outputs alone when the colour cannot be expressed that
    // way: RGB and HSB work for RGB and grey colours, white only for grey ones, none for
    // patterns. Any output may be null.
    bool getRed_green_blue_alpha(CGFloat* red, CGFloat* green, CGFloat* blue, CGFloat* alpha) const;
    bool getHue_saturation_brightness_alpha(CGFloat* hue, CGFloat* saturation, CGFloat* brightness,
                                            CGFloat* alpha) const;
    bool getWhite_alpha(CGFloat* white, CGFloat* alpha) const;

    std::shared_ptr<UIColor> colorWithAlphaComponent(CGFloat alpha) const;
    const CGColorRef& CGColor() const { return color_; }

    // Into the current UIKit context.
    void setFill() const;
    void setStroke() const;
    void set() const;

  private:
    CGColorRef color_;
};
