#pragma once

#include "platform/graphics/CGContext.h"

// Adds a rectangle with rounded corners to the context's current path (the radius held to half
// the shorter side).
void addRoundedRectPath(const CGContextRef& context, CGRect rect, CGFloat radius);

// The same with one radius for the two top corners and another for the two bottom ones (0 for
// square corners), as the pieces of a rounded group are drawn.
void addRoundedRectPath(const CGContextRef& context, CGRect rect, CGFloat topRadius,
                        CGFloat bottomRadius);
