#pragma once

#include "platform/graphics/CGContext.h"

// Adds a rectangle with rounded corners to the context's current path (the radius held to half
// the shorter side).
void addRoundedRectPath(const CGContextRef& context, CGRect rect, CGFloat radius);
