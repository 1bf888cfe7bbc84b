#pragma once

#include <memory>

#include "platform/graphics/UIColor.h"

// The colour to paint with for a colour property that may have been set to none: none paints
// nothing, rather than leaving the context's previous colour in force.
inline CGColorRef colorOrClear(const std::shared_ptr<UIColor>& color) {
    return (color ? color : UIColor::clearColor())->CGColor();
}
