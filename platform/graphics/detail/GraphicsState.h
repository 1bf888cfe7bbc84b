#pragma once

#include <memory>

#include "platform/graphics/CGContext.h"
#include "platform/graphics/detail/CoverageMask.h"

namespace detail {

struct Shadow {
    CGSize offset;
    CGFloat blur = 0;
    CGColorRef color;  // null: no shadow
};

// Everything CGContextSaveGState saves. The clip is shared between saved states and replaced,
// never changed in place.
struct GraphicsState {
    CGAffineTransform ctm;
    CGColorRef fillColor;
    CGColorRef strokeColor;
    CGFloat lineWidth = 1;
    CGLineCap lineCap = kCGLineCapButt;
    CGLineJoin lineJoin = kCGLineJoinMiter;
    CGFloat miterLimit = 10;
    CGBlendMode blendMode = kCGBlendModeNormal;
    CGFloat alpha = 1;
    bool antialias = true;
    std::shared_ptr<const CoverageMask> clip;  // null: nothing clipped
    Shadow shadow;
};

}  // namespace detail
