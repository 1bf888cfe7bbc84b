#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/graphics/CGContext.h"
#include "platform/graphics/CGImage.h"
#include "platform/runtime/NSObject.h"

enum UIImageOrientation : int {
    UIImageOrientationUp = 0,
    UIImageOrientationDown = 1,
    UIImageOrientationLeft = 2,
    UIImageOrientationRight = 3,
    UIImageOrientationUpMirrored = 4,
    UIImageOrientationDownMirrored = 5,
    UIImageOrientationLeftMirrored = 6,
    UIImageOrientationRightMirrored = 7,
};

// An immutable image: a CGImage, its scale (pixels per point) and orientation. The orientation
// decides the size in points (left and right turn it by a quarter); drawing shows the pixels
// upright whatever the orientation.
class UIImage : public NSObject {
    RUNTIME_CLASS(UIImage)
    UIImage(CGImageRef image, CGFloat scale, UIImageOrientation orientation);

    // A PNG file at a device path. "name@2x.png" loads at scale 2; on a screen of scale 2 or more a
    // plain "name.png" is read from its "name@2x.png" sibling when there is one. Null when
    // unreadable.
    static std::shared_ptr<UIImage> imageWithContentsOfFile(const std::string& path);
    static std::shared_ptr<UIImage> imageWithData(std::span<const uint8_t> png);
    static std::shared_ptr<UIImage> imageWithData_scale(std::span<const uint8_t> png,
                                                        CGFloat scale);
    static std::shared_ptr<UIImage> imageWithCGImage(const CGImageRef& image);
    static std::shared_ptr<UIImage> imageWithCGImage_scale_orientation(
        const CGImageRef& image, CGFloat scale, UIImageOrientation orientation);

    const CGImageRef& CGImage() const { return image_; }
    // The name of the file the image was loaded from ("name.png" as asked for, without its
    // folder); empty for images made any other way. Lets tools say which picture is shown.
    const std::string& fileName() const { return fileName_; }
    CGFloat scale() const { return scale_; }
    UIImageOrientation imageOrientation() const { return orientation_; }
    CGSize size() const;

    // Into the current UIKit context, upright in its y-down space.
    void drawInRect(CGRect rect) const;
    void drawInRect_blendMode_alpha(CGRect rect, CGBlendMode mode, CGFloat alpha) const;
    void drawAtPoint(CGPoint point) const;

private:
    CGImageRef image_;
    CGFloat scale_;
    UIImageOrientation orientation_;
    std::string fileName_;
};

std::optional<std::vector<uint8_t>> UIImagePNGRepresentation(const std::shared_ptr<UIImage>& image);
