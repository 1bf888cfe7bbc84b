#include "prefs/bitmap/UIImageImageBitmapRep.h"

#include "platform/graphics/UIImage.h"
#include "prefs/bitmap/ImageBitmapRep.h"

namespace {

using Resize = void (ImageBitmapRep::*)(BMPoint);

std::shared_ptr<UIImage> resized(const std::shared_ptr<UIImage>& image, CGSize size,
                                 Resize resize) {
    if (!image) return nullptr;
    const auto rep = ImageBitmapRep::initWithImage(image);
    ((*rep).*resize)(BMPointFromSize(size));
    return rep->image();
}

}  // namespace

std::shared_ptr<UIImage> imageFromImageBitmapRep(const std::shared_ptr<ImageBitmapRep>& rep) {
    return rep ? rep->image() : nullptr;
}

std::shared_ptr<ImageBitmapRep> imageBitmapRep(const std::shared_ptr<UIImage>& image) {
    return image ? ImageBitmapRep::imageBitmapRepWithImage(image) : nullptr;
}

std::shared_ptr<UIImage> imageByScalingToSize(const std::shared_ptr<UIImage>& image, CGSize size) {
    return resized(image, size, &ImageBitmapRep::setSize);
}

std::shared_ptr<UIImage> imageFittingFrame(const std::shared_ptr<UIImage>& image, CGSize size) {
    return resized(image, size, &ImageBitmapRep::setSizeFittingFrame);
}

std::shared_ptr<UIImage> imageFillingFrame(const std::shared_ptr<UIImage>& image, CGSize size) {
    return resized(image, size, &ImageBitmapRep::setSizeFillingFrame);
}
