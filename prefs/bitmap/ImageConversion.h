#pragma once

#include <memory>

#include "platform/graphics/CGImage.h"

class UIImage;

// Between the drawing layer's immutable images and the platform's image objects (scale 1,
// orientation up). Null gives null.
std::shared_ptr<UIImage> ImageFromCGImage(const CGImageRef& image);
CGImageRef CGImageFromImage(const std::shared_ptr<UIImage>& image);
