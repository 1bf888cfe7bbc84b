#include "platform/graphics/CGColorSpace.h"

size_t CGColorSpace::numberOfComponents() const {
    switch (model_) {
        case kCGColorSpaceModelMonochrome:
            return 1;
        case kCGColorSpaceModelRGB:
            return 3;
        default:
            return 0;
    }
}

CGColorSpaceRef CGColorSpaceCreateDeviceRGB() {
    static const auto space = std::make_shared<const CGColorSpace>(kCGColorSpaceModelRGB);
    return space;
}

CGColorSpaceRef CGColorSpaceCreateDeviceGray() {
    static const auto space = std::make_shared<const CGColorSpace>(kCGColorSpaceModelMonochrome);
    return space;
}

CGColorSpaceRef CGColorSpaceCreatePattern() {
    static const auto space = std::make_shared<const CGColorSpace>(kCGColorSpaceModelPattern);
    return space;
}

CGColorSpaceModel CGColorSpaceGetModel(const CGColorSpaceRef& space) {
    return space ? space->model() : kCGColorSpaceModelUnknown;
}

size_t CGColorSpaceGetNumberOfComponents(const CGColorSpaceRef& space) {
    return space ? space->numberOfComponents() : 0;
}
