#include "platform/graphics/CGColor.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/NSAssertionHandler.h"

namespace {
CGFloat clampUnit(CGFloat value) {
    return std::isnan(value) ? 0 : std::clamp(value, 0.0, 1.0);
}
}  // namespace

CGColor::CGColor(CGColorSpaceRef space, const CGFloat* components) : space_(std::move(space)) {
    NSAssert(space_ && space_->model() != kCGColorSpaceModelPattern && components,
             "A colour needs a grey or RGB colour space and its components.");
    const size_t count = space_->numberOfComponents() + 1;
    components_.reserve(count);
    for (size_t i = 0; i < count; ++i)
        components_.push_back(clampUnit(components[i]));
}

CGColor::CGColor(CGImageRef patternImage, CGFloat patternScale)
    : space_(CGColorSpaceCreatePattern()),
      components_{1.0},
      patternImage_(std::move(patternImage)),
      patternScale_(patternScale > 0 && std::isfinite(patternScale) ? patternScale : 1.0) {
    NSAssert(patternImage_ != nullptr, "A pattern colour needs an image.");
}

CGFloat CGColor::alpha() const {
    return components_.back();
}

std::optional<std::array<CGFloat, 4>> CGColor::rgba() const {
    switch (space_->model()) {
        case kCGColorSpaceModelMonochrome:
            return std::array{components_[0], components_[0], components_[0], components_[1]};
        case kCGColorSpaceModelRGB:
            return std::array{components_[0], components_[1], components_[2], components_[3]};
        default:
            return std::nullopt;
    }
}

CGColorRef CGColorCreate(const CGColorSpaceRef& space, const CGFloat* components) {
    if (!space || space->model() == kCGColorSpaceModelPattern || !components)
        return nullptr;
    return std::make_shared<const CGColor>(space, components);
}

CGColorRef CGColorCreateWithPatternImage(const CGImageRef& image, CGFloat scale) {
    return image ? std::make_shared<const CGColor>(image, scale) : nullptr;
}

CGColorRef CGColorCreateCopyWithAlpha(const CGColorRef& color, CGFloat alpha) {
    if (!color || color->patternImage())
        return color;
    std::vector<CGFloat> components = color->components();
    components.back() = alpha;
    return std::make_shared<const CGColor>(color->colorSpace(), components.data());
}

CGColorSpaceRef CGColorGetColorSpace(const CGColorRef& color) {
    return color ? color->colorSpace() : nullptr;
}

size_t CGColorGetNumberOfComponents(const CGColorRef& color) {
    return color ? color->components().size() : 0;
}

const CGFloat* CGColorGetComponents(const CGColorRef& color) {
    return color ? color->components().data() : nullptr;
}

CGFloat CGColorGetAlpha(const CGColorRef& color) {
    return color ? color->alpha() : 0;
}

bool CGColorEqualToColor(const CGColorRef& a, const CGColorRef& b) {
    if (a == b)
        return true;
    if (!a || !b)
        return false;
    return a->colorSpace() == b->colorSpace() && a->components() == b->components() &&
           a->patternImage() == b->patternImage() && a->patternScale() == b->patternScale();
}
