#include "platform/graphics/UIImage.h"

#include <cmath>
#include <filesystem>

#include "platform/foundation/DeviceRoot.h"
#include "platform/foundation/NSAssertionHandler.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"

Class UIImage::classObject() {
    static const Class cls = defineClass<UIImage>("UIImage", NSObject::classObject());
    return cls;
}

namespace {

constexpr std::string_view kDoubleScaleSuffix = "@2x";

CGFloat validScale(CGFloat scale) {
    return scale > 0 && std::isfinite(scale) ? scale : 1.0;
}

}  // namespace

UIImage::UIImage(CGImageRef image, CGFloat scale, UIImageOrientation orientation)
    : image_(std::move(image)), scale_(validScale(scale)), orientation_(orientation) {
    NSAssert(image_ != nullptr, "An image needs pixels.");
}

namespace {

std::shared_ptr<UIImage> imageFromFile(const std::filesystem::path& file) {
    const std::string stem = file.stem().string();
    if (stem.ends_with(kDoubleScaleSuffix)) {
        const CGImageRef image = PNGCodec::readFile(file.string());
        return image ? UIImage::imageWithCGImage_scale_orientation(image, 2, UIImageOrientationUp)
                     : nullptr;
    }
    if (UIGraphicsGetMainScreenScale() >= 2) {
        std::filesystem::path sibling = file;
        sibling.replace_filename(stem + std::string(kDoubleScaleSuffix) +
                                 file.extension().string());
        if (const CGImageRef image = PNGCodec::readFile(sibling.string())) {
            return UIImage::imageWithCGImage_scale_orientation(image, 2, UIImageOrientationUp);
        }
    }
    const CGImageRef image = PNGCodec::readFile(file.string());
    return image ? UIImage::imageWithCGImage(image) : nullptr;
}

}  // namespace

std::shared_ptr<UIImage> UIImage::imageWithContentsOfFile(const std::string& path) {
    std::shared_ptr<UIImage> image = imageFromFile(DeviceRoot::resolve(path));
    if (image) image->fileName_ = std::filesystem::path(path).filename().string();
    return image;
}

std::shared_ptr<UIImage> UIImage::imageWithData(std::span<const uint8_t> png) {
    return imageWithData_scale(png, 1);
}

std::shared_ptr<UIImage> UIImage::imageWithData_scale(std::span<const uint8_t> png, CGFloat scale) {
    const CGImageRef image = PNGCodec::decode(png);
    return image ? imageWithCGImage_scale_orientation(image, scale, UIImageOrientationUp) : nullptr;
}

std::shared_ptr<UIImage> UIImage::imageWithCGImage(const CGImageRef& image) {
    return imageWithCGImage_scale_orientation(image, 1, UIImageOrientationUp);
}

std::shared_ptr<UIImage> UIImage::imageWithCGImage_scale_orientation(
    const CGImageRef& image, CGFloat scale, UIImageOrientation orientation) {
    return image ? std::make_shared<UIImage>(image, scale, orientation) : nullptr;
}

CGSize UIImage::size() const {
    const CGFloat width = image_->width() / scale_, height = image_->height() / scale_;
    switch (orientation_) {
        case UIImageOrientationLeft:
        case UIImageOrientationRight:
        case UIImageOrientationLeftMirrored:
        case UIImageOrientationRightMirrored:
            return {height, width};
        default:
            return {width, height};
    }
}

void UIImage::drawInRect_blendMode_alpha(CGRect rect, CGBlendMode mode, CGFloat alpha) const {
    const CGContextRef context = UIGraphicsGetCurrentContext();
    if (!context) return;
    CGContextSaveGState(context);
    CGContextSetBlendMode(context, mode);
    CGContextSetAlpha(context, alpha);
    // The context runs y down; flip locally so the image's top row lands at the rectangle's top.
    CGContextTranslateCTM(context, rect.origin.x, rect.origin.y + rect.size.height);
    CGContextScaleCTM(context, 1, -1);
    CGContextDrawImage(context, CGRectMake(0, 0, rect.size.width, rect.size.height), image_);
    CGContextRestoreGState(context);
}

void UIImage::drawInRect(CGRect rect) const {
    drawInRect_blendMode_alpha(rect, kCGBlendModeNormal, 1);
}

void UIImage::drawAtPoint(CGPoint point) const {
    const CGSize extent = size();
    drawInRect(CGRectMake(point.x, point.y, extent.width, extent.height));
}

std::optional<std::vector<uint8_t>> UIImagePNGRepresentation(
    const std::shared_ptr<UIImage>& image) {
    if (!image) return std::nullopt;
    return PNGCodec::encode(*image->CGImage());
}
