#include "prefs/bitmap/CGContextCreator.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "platform/foundation/SystemLog.h"

namespace {

constexpr uint64_t kLargestByteCount = std::numeric_limits<int32_t>::max();

// Keeps the creator's buffer alive until the context drawn over it has gone.
struct OwnedBitmap {
    struct Free {
        void operator()(void* memory) const { std::free(memory); }
    };
    std::unique_ptr<void, Free> buffer;  // declared first: destroyed after the context
    CGContextRef context;
};

// As the device converts: negative and NaN sides become 0, huge ones saturate.
uint64_t pixelCount(CGFloat side) {
    const CGFloat rounded = std::round(side);
    if (!(rounded > 0)) return 0;
    return rounded < 0x1p32 ? static_cast<uint64_t>(rounded) : uint64_t{1} << 32;
}

CGContextRef createContext(uint64_t width, uint64_t height) {
    const CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    if (!space) {
        std::fputs("Error allocating color space\n", stderr);
        return nullptr;
    }
    // Sizes are 32-bit signed: a byte count beyond that is refused rather than wrapped into
    // a short buffer.
    const uint64_t bytesPerRow = width * 4;
    if (bytesPerRow > kLargestByteCount || height * bytesPerRow > kLargestByteCount) {
        NSLog("Malloc failed which is too bad.  I was hoping to use this memory.");
        return nullptr;
    }
    auto bitmap = std::make_shared<OwnedBitmap>();
    const uint64_t byteCount = height * bytesPerRow;
    if (byteCount > 0) {
        // calloc's memory is already transparent, so no clearing pass is needed.
        bitmap->buffer.reset(std::calloc(byteCount, 1));
        if (!bitmap->buffer) {
            NSLog("Malloc failed which is too bad.  I was hoping to use this memory.");
            return nullptr;
        }
    }
    bitmap->context = CGBitmapContextCreate(bitmap->buffer.get(), width, height, 8, bytesPerRow,
                                            space, kCGImageAlphaPremultipliedFirst);
    if (!bitmap->context) {
        NSLog("Failed to create bitmap!");
        return nullptr;
    }
    return CGContextRef(bitmap, bitmap->context.get());
}

}  // namespace

CGContextRef CGContextCreator::newARGBBitmapContextWithSize(CGSize size) {
    return createContext(pixelCount(size.width), pixelCount(size.height));
}

CGContextRef CGContextCreator::newARGBBitmapContextWithImage(const CGImageRef& image) {
    const size_t width = CGImageGetWidth(image), height = CGImageGetHeight(image);
    CGContextRef context = createContext(width, height);
    if (context) CGContextDrawImage(context, CGRectMake(0, 0, width, height), image);
    return context;
}
