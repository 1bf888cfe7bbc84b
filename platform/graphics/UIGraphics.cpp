#include "platform/graphics/UIGraphics.h"

#include <atomic>
#include <cmath>
#include <string>
#include <vector>

#include "platform/foundation/SystemLog.h"
#include "platform/graphics/UIImage.h"
#include "platform/graphics/detail/CGContext.h"

namespace {

std::atomic<CGFloat> mainScreenScale{2.0};

struct StackEntry {
    CGContextRef context;
    bool isImageContext = false;
    CGFloat scale = 1;
};

std::vector<StackEntry>& contextStack() {
    thread_local std::vector<StackEntry> stack;
    return stack;
}

}  // namespace

void UIGraphicsSetMainScreenScale(CGFloat scale) {
    if (scale > 0 && std::isfinite(scale))
        mainScreenScale = scale;
}

CGFloat UIGraphicsGetMainScreenScale() {
    return mainScreenScale;
}

CGContextRef UIGraphicsCreateDrawingContext(void* data, size_t pixelWidth, size_t pixelHeight,
                                            size_t bytesPerRow, CGFloat scale,
                                            BitmapOpacity opacity) {
    const CGImageAlphaInfo alpha = opacity == BitmapOpacity::Opaque
                                       ? kCGImageAlphaNoneSkipFirst
                                       : kCGImageAlphaPremultipliedFirst;
    CGContextRef context =
        CGBitmapContextCreate(data, pixelWidth, pixelHeight, 8, bytesPerRow,
                              CGColorSpaceCreateDeviceRGB(), alpha | kCGBitmapByteOrder32Little);
    if (!context)
        return nullptr;
    CGContextTranslateCTM(context, 0, static_cast<CGFloat>(pixelHeight));
    CGContextScaleCTM(context, scale, -scale);
    context->setUIKitBaseSpace(scale);
    return context;
}

void UIGraphicsBeginImageContext(CGSize size) {
    UIGraphicsBeginImageContextWithOptions(size, false, 1);
}

void UIGraphicsBeginImageContextWithOptions(CGSize size, bool opaque, CGFloat scale) {
    if (scale == 0)
        scale = UIGraphicsGetMainScreenScale();
    CGContextRef context;
    if (size.width > 0 && size.height > 0 && scale > 0 && std::isfinite(scale) &&
        size.width * scale <= 32767 && size.height * scale <= 32767) {
        // Tolerate rounding noise such as 20.000000001 points at scale 2.
        const auto pixels = [scale](CGFloat points) {
            return static_cast<size_t>(std::ceil(points * scale - 1e-6));
        };
        context = UIGraphicsCreateDrawingContext(
            nullptr, pixels(size.width), pixels(size.height), 0, scale,
            opaque ? BitmapOpacity::Opaque : BitmapOpacity::Transparent);
    }
    if (!context) {
        NSLog("UIGraphicsBeginImageContext() failed to allocate a bitmap context: size={" +
              std::to_string(size.width) + ", " + std::to_string(size.height) +
              "}, scale=" + std::to_string(scale));
    }
    contextStack().push_back({std::move(context), true, scale});
}

std::shared_ptr<UIImage> UIGraphicsGetImageFromCurrentImageContext() {
    const auto& stack = contextStack();
    if (stack.empty() || !stack.back().isImageContext || !stack.back().context)
        return nullptr;
    return UIImage::imageWithCGImage_scale_orientation(
        CGBitmapContextCreateImage(stack.back().context), stack.back().scale, UIImageOrientationUp);
}

void UIGraphicsEndImageContext() {
    auto& stack = contextStack();
    if (stack.empty() || !stack.back().isImageContext) {
        NSLog("UIGraphicsEndImageContext() called without a current image context");
        return;
    }
    stack.pop_back();
}

CGContextRef UIGraphicsGetCurrentContext() {
    const auto& stack = contextStack();
    return stack.empty() ? nullptr : stack.back().context;
}

void UIGraphicsPushContext(const CGContextRef& context) {
    contextStack().push_back({context, false, 1});
}

void UIGraphicsPopContext() {
    auto& stack = contextStack();
    if (!stack.empty() && !stack.back().isImageContext)
        stack.pop_back();
}

void UIRectFill(CGRect rect) {
    CGContextFillRect(UIGraphicsGetCurrentContext(), rect);
}
