#pragma once

#include <memory>

#include "platform/graphics/CGGeometry.h"

class UIImage;

// Thumb images a host may give the colour picker's sliders, at scale 1, drawn black with a white
// outline on transparency.

// An hourglass filling the size: flat ends one pixel beyond the top and bottom edges, sides
// slanting in at 60° to a neck of `neckWidth` about the middle.
std::shared_ptr<UIImage> HourGlassThumbImage(CGSize size, CGFloat neckWidth);
// A black frame of the size round a transparent hole of `innerSize` in its middle.
std::shared_ptr<UIImage> ArrowLoopThumbImage(CGSize size, CGSize innerSize);
