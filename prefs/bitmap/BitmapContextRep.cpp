#include "prefs/bitmap/BitmapContextRep.h"

#include "platform/runtime/Runtime.h"

Class BitmapContextRep::classObject() {
    static const Class cls =
        defineClass<BitmapContextRep>("BitmapContextRep", NSObject::classObject());
    return cls;
}

namespace {

// Pixel access indexes the buffer as width × 4 bytes a row of A,R,G,B.
bool hasCreatorLayout(const CGContextRef& context) {
    return CGBitmapContextGetBitsPerPixel(context) == 32 &&
           CGBitmapContextGetBitmapInfo(context) == kCGImageAlphaPremultipliedFirst &&
           CGBitmapContextGetBytesPerRow(context) == CGBitmapContextGetWidth(context) * 4;
}

}  // namespace

BitmapContextRep::BitmapContextRep(const CGContextRef& context) {
    setContext(context);
}

void BitmapContextRep::setContext(const CGContextRef& context) {
    if (context == context_) return;
    NSAssert(!context || hasCreatorLayout(context), "Context must be a 32-bit ARGB bitmap.");
    context_ = context;
    bitmapData_ = static_cast<uint8_t*>(CGBitmapContextGetData(context));
    width_ = static_cast<int64_t>(CGBitmapContextGetWidth(context));
    height_ = static_cast<int64_t>(CGBitmapContextGetHeight(context));
    needsUpdate_ = true;
}

CGImageRef BitmapContextRep::CGImage() {
    if (needsUpdate_) {
        lastImage_ = CGBitmapContextCreateImage(context_);
        needsUpdate_ = false;
    }
    return lastImage_;
}

CGImageRef BitmapContextRep::imageCovering(CGRect pixels, CGRect& covered) {
    if (!needsUpdate_ || !context_) {
        covered = CGRectMake(0, 0, static_cast<CGFloat>(width_), static_cast<CGFloat>(height_));
        return CGImage();
    }
    covered = pixels;
    // A context over the same bytes, starting at the rectangle's first pixel, rows a whole
    // bitmap row apart: its image copies only the rectangle.
    const auto x = static_cast<int64_t>(pixels.origin.x), y = static_cast<int64_t>(pixels.origin.y);
    const CGContextRef rectangle = CGBitmapContextCreate(
        bitmapData_ + (x + width_ * y) * 4, static_cast<size_t>(pixels.size.width),
        static_cast<size_t>(pixels.size.height), 8, static_cast<size_t>(width_) * 4,
        CGBitmapContextGetColorSpace(context_), CGBitmapContextGetBitmapInfo(context_));
    return CGBitmapContextCreateImage(rectangle);
}
