#include "platform/ui/views/detail/ControlDrawing.h"

#include "platform/graphics/CGColorSpace.h"
#include "platform/graphics/CGGradient.h"
#include "platform/graphics/GraphicsStateSaver.h"
#include "platform/graphics/Typesetter.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UIScreen.h"

namespace {

// The height of the system font's capitals, in points per point of size.
constexpr CGFloat kCapHeight = 0.72;

CGFloat channel(uint32_t rgb, int shift) {
    return ((rgb >> shift) & 0xff) / 255.0;
}

}  // namespace

namespace ControlDrawing {

void setFillColor(const CGContextRef& context, uint32_t color) {
    CGContextSetRGBFillColor(context, channel(color, 16), channel(color, 8), channel(color, 0), 1);
}

void setStrokeColor(const CGContextRef& context, uint32_t color) {
    CGContextSetRGBStrokeColor(context, channel(color, 16), channel(color, 8), channel(color, 0),
                               1);
}

void fillVerticalGradient(const CGContextRef& context, CGRect area, uint32_t top, uint32_t bottom) {
    const CGFloat components[] = {channel(top, 16),    channel(top, 8),    channel(top, 0),    1,
                                  channel(bottom, 16), channel(bottom, 8), channel(bottom, 0), 1};
    const CGFloat locations[] = {0, 1};
    const auto gradient = CGGradientCreateWithColorComponents(CGColorSpaceCreateDeviceRGB(),
                                                              components, locations, 2);
    GraphicsStateSaver saver(context);
    CGContextClipToRect(context, area);
    CGContextDrawLinearGradient(context, gradient, {0, CGRectGetMinY(area)},
                                {0, CGRectGetMaxY(area)}, 0);
}

void drawCentredText(const CGContextRef& context, std::string_view text, const UIFont& font,
                     uint32_t color, CGRect area) {
    // Centred on its capitals rather than on its line, whose descender space would lift it.
    const FontDescriptor& descriptor = font.descriptor();
    const CGFloat lineHeight = Typesetter::sizeOfText(text, descriptor).height;
    const CGFloat capitals = kCapHeight * descriptor.usablePointSize();
    const CGFloat top =
        CGRectGetMidY(area) + capitals / 2 - Typesetter::metrics(descriptor).ascender;
    setFillColor(context, color);
    Typesetter::drawTextInRect(context, text, descriptor,
                               {{area.origin.x, top}, {area.size.width, lineHeight}},
                               LineBreak::Clip, TextAlignment::Center);
}

CGImageRef picture(CGSize size, const std::function<void(const CGContextRef&)>& draw) {
    if (!(size.width > 0 && size.height > 0)) return nullptr;
    UIGraphicsBeginImageContextWithOptions(size, false, UIScreen::mainScreen().scale());
    if (const CGContextRef context = UIGraphicsGetCurrentContext()) draw(context);
    const auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image ? image->CGImage() : nullptr;
}

}  // namespace ControlDrawing
