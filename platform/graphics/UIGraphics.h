#pragma once

#include <cstddef>
#include <memory>

#include "platform/graphics/CGContext.h"

class UIImage;

// UIKit's drawing contexts. Each thread has a stack of current contexts; drawing code (drawRect:,
// UIColor's set, UIImage's draw, string drawing) paints into the top one. UIKit contexts run y
// down in points with the origin at the top-left, over pixels at the context's scale.

// The main screen's scale (pixels per point), process-wide; 2 until the screen sets it.
void UIGraphicsSetMainScreenScale(CGFloat scale);
CGFloat UIGraphicsGetMainScreenScale();

enum class BitmapOpacity { Transparent, Opaque };

// A UIKit-style context over native B,G,R,A pixels (the caller's memory, or its own when `data`
// is null), with the flip and scale already applied: for layer backing stores and image
// contexts. Null (and logged) for sizes the bitmap context refuses.
CGContextRef UIGraphicsCreateDrawingContext(void* data, size_t pixelWidth, size_t pixelHeight,
                                            size_t bytesPerRow, CGFloat scale,
                                            BitmapOpacity opacity);

// Scale 1, not opaque.
void UIGraphicsBeginImageContext(CGSize size);
// A scale of 0 means the main screen's. A size that is empty or not finite logs and pushes an
// empty entry (the current context is then null) so that begin and end still pair up.
void UIGraphicsBeginImageContextWithOptions(CGSize size, bool opaque, CGFloat scale);
// Null when the current context is not an image context.
std::shared_ptr<UIImage> UIGraphicsGetImageFromCurrentImageContext();
void UIGraphicsEndImageContext();

CGContextRef UIGraphicsGetCurrentContext();
void UIGraphicsPushContext(const CGContextRef& context);
void UIGraphicsPopContext();

// Fills the rectangle in the current context with its fill colour.
void UIRectFill(CGRect rect);
