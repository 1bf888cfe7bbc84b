#include "platform/graphics/CGGradient.h"

#include <algorithm>
#include <cmath>

namespace {

CGFloat locationAt(const CGFloat* locations, size_t index, size_t count) {
    if (locations) {
        const CGFloat location = locations[index];
        return std::isnan(location) ? 0 : std::clamp(location, 0.0, 1.0);
    }
    return count == 1 ? 0 : static_cast<CGFloat>(index) / static_cast<CGFloat>(count - 1);
}

}  // namespace

CGGradient::CGGradient(std::vector<Stop> stops) : stops_(std::move(stops)) {
    std::stable_sort(stops_.begin(), stops_.end(),
                     [](const Stop& a, const Stop& b) { return a.location < b.location; });
}

CGGradientRef CGGradientCreateWithColorComponents(const CGColorSpaceRef& space,
                                                  const CGFloat* components,
                                                  const CGFloat* locations, size_t count) {
    if (!space || space->numberOfComponents() == 0 || !components || count == 0)
        return nullptr;
    const size_t stride = space->numberOfComponents() + 1;
    std::vector<CGGradient::Stop> stops;
    for (size_t i = 0; i < count; ++i) {
        const CGColor color(space, components + i * stride);
        stops.push_back({locationAt(locations, i, count), *color.rgba()});
    }
    return std::make_shared<const CGGradient>(std::move(stops));
}

CGGradientRef CGGradientCreateWithColors(const CGColorSpaceRef& space,
                                         const std::vector<CGColorRef>& colors,
                                         const CGFloat* locations) {
    if (CGColorSpaceGetModel(space) == kCGColorSpaceModelPattern || colors.empty())
        return nullptr;
    std::vector<CGGradient::Stop> stops;
    for (size_t i = 0; i < colors.size(); ++i) {
        const auto rgba = colors[i] ? colors[i]->rgba() : std::nullopt;
        if (!rgba)
            return nullptr;
        stops.push_back({locationAt(locations, i, colors.size()), *rgba});
    }
    return std::make_shared<const CGGradient>(std::move(stops));
}
