#pragma once

#include <string>
#include <vector>

#include "platform/graphics/CGContext.h"

class UIFont;

// How segmented controls look: measures and drawing of both system looks.
namespace SegmentedControlDrawing {

// The control's height, and the font and side padding of its titles.
CGFloat height(bool classic);
const UIFont& titleFont(bool classic);
CGFloat titlePadding();

// Draws the segments across `area` with `selected` (or none, -1) picked out.
void draw(const CGContextRef& context, CGRect area, const std::vector<std::string>& titles,
          long selected, bool classic);

}  // namespace SegmentedControlDrawing
