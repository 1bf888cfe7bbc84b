#pragma once

#include "platform/graphics/CGContext.h"

// Makes the toolkit's bitmap contexts: 8 bits per component, device RGB, alpha first and
// premultiplied (A,R,G,B in memory), rows top to bottom with no padding (width × 4 bytes a row).
// The returned context owns its buffer, which lives exactly as long as the context. Failures are
// logged and give null.
class CGContextCreator {
public:
    // Each side rounded to the nearest whole number, halves away from zero. Transparent.
    static CGContextRef newARGBBitmapContextWithSize(CGSize size);
    // The image's pixel size, with the image drawn into it.
    static CGContextRef newARGBBitmapContextWithImage(const CGImageRef& image);
};
