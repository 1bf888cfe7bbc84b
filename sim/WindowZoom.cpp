#include "sim/WindowZoom.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<WindowZoom, std::string_view>, 3> kNames{{
    {WindowZoom::Point, "point"},
    {WindowZoom::Pixel, "pixel"},
    {WindowZoom::Fit, "fit"},
}};

}  // namespace

std::string_view windowZoomName(WindowZoom zoom) {
    for (const auto& [each, name] : kNames) {
        if (each == zoom) return name;
    }
    return {};
}

std::optional<WindowZoom> windowZoomNamed(std::string_view name) {
    for (const auto& [zoom, each] : kNames) {
        if (each == name) return zoom;
    }
    return std::nullopt;
}

ZoomFactor zoomFactor(WindowZoom zoom, CGSize points, CGFloat scale, CGSize room) {
    const CGFloat fitting = std::min(room.width / points.width, room.height / points.height);
    if (zoom == WindowZoom::Fit) return {fitting, true};
    const CGFloat asked = zoom == WindowZoom::Pixel ? scale : 1;
    if (asked > fitting) return {fitting, false};
    return {asked, true};
}
