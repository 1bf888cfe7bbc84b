#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/graphics/CGContext.h"
#include "platform/graphics/CGImage.h"

class UIColor;
class UIFont;

// Small drawing steps the classic controls share. Colours are 0xRRGGBB.
namespace ControlDrawing {

void setFillColor(const CGContextRef& context, uint32_t color);
void setStrokeColor(const CGContextRef& context, uint32_t color);

// A vertical gradient from the `top` colour to the `bottom` one across `area`, within the
// current clip.
void fillVerticalGradient(const CGContextRef& context, CGRect area, uint32_t top, uint32_t bottom);

// One line of text centred in `area`, cut at its sides.
void drawCentredText(const CGContextRef& context, std::string_view text, const UIFont& font,
                     uint32_t color, CGRect area);

// A transparent picture `size` points large at the screen's scale, drawn by `draw` with y down:
// the contents of a layer whose drawing never changes. Null for an empty size.
CGImageRef picture(CGSize size, const std::function<void(const CGContextRef&)>& draw);

}  // namespace ControlDrawing
