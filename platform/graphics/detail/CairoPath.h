#pragma once

#include <cairo.h>

#include "platform/graphics/CGPath.h"

namespace detail {

// Replays `path` into Cairo's current path through Cairo's current matrix.
void appendPath(cairo_t* cr, const CGPath& path);
bool pathContainsPoint(const CGPath& path, CGPoint point, bool evenOdd);

}  // namespace detail
