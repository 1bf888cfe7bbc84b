#include "prefs/bitmap/ImageConversion.h"

#include "platform/graphics/UIImage.h"

std::shared_ptr<UIImage> ImageFromCGImage(const CGImageRef& image) {
    return UIImage::imageWithCGImage(image);
}

CGImageRef CGImageFromImage(const std::shared_ptr<UIImage>& image) {
    return image ? image->CGImage() : nullptr;
}
