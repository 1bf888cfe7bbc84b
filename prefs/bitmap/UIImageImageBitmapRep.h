#pragma once

#include <memory>

#include "platform/graphics/CGGeometry.h"

class ImageBitmapRep;
class UIImage;

// The image operations named after ImageBitmapRep: an image's bitmap rep, and new images scaled
// through one. The receiver comes first; a null receiver gives null, as messaging nil does.

std::shared_ptr<UIImage> imageFromImageBitmapRep(const std::shared_ptr<ImageBitmapRep>& rep);
std::shared_ptr<ImageBitmapRep> imageBitmapRep(const std::shared_ptr<UIImage>& image);
// Sizes are rounded to whole pixels, halves away from zero.
std::shared_ptr<UIImage> imageByScalingToSize(const std::shared_ptr<UIImage>& image, CGSize size);
std::shared_ptr<UIImage> imageFittingFrame(const std::shared_ptr<UIImage>& image, CGSize size);
std::shared_ptr<UIImage> imageFillingFrame(const std::shared_ptr<UIImage>& image, CGSize size);
