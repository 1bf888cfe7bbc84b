#pragma once

#include <cstddef>
#include <memory>

enum CGColorSpaceModel : int {
    kCGColorSpaceModelUnknown = -1,
    kCGColorSpaceModelMonochrome = 0,
    kCGColorSpaceModelRGB = 1,
    kCGColorSpaceModelPattern = 6,
};

// Device grey (one component), device RGB (three) or pattern (colours that paint a tiled image).
// Colour spaces are immutable and shared; the Create functions return process-wide instances.
class CGColorSpace {
  public:
    explicit CGColorSpace(CGColorSpaceModel model) : model_(model) {}
    CGColorSpaceModel model() const { return model_; }
    // Colour components without alpha: 1 for grey, 3 for RGB, 0 for patterns.
    size_t numberOfComponents() const;

  private:
    CGColorSpaceModel model_;
};

using CGColorSpaceRef = std::shared_ptr<const CGColorSpace>;

CGColorSpaceRef CGColorSpaceCreateDeviceRGB();
CGColorSpaceRef CGColorSpaceCreateDeviceGray();
CGColorSpaceRef CGColorSpaceCreatePattern();
CGColorSpaceModel CGColorSpaceGetModel(const CGColorSpaceRef& space);
size_t CGColorSpaceGetNumberOfComponents(const CGColorSpaceRef& space);
