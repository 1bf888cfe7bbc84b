#pragma once

#include <optional>
#include <string_view>

#include "platform/graphics/CGGeometry.h"

// How large the simulator window shows the device's screen: one window pixel per point, one
// window pixel per device pixel, or as large as the display allows.
enum class WindowZoom { Point, Pixel, Fit };

// "point", "pixel", "fit": the names --zoom takes and the remembered zoom is stored under.
std::string_view windowZoomName(WindowZoom zoom);
std::optional<WindowZoom> windowZoomNamed(std::string_view name);

struct ZoomFactor {
    // Window pixels per screen point.
    CGFloat windowPixelsPerPoint;
    // False when the zoom asked for doesn't fit in `room` and the screen was fitted instead.
    bool asAsked;
};

// The window pixels per point that show a screen of `points` at `scale` in `zoom`, in a window
// that has `room` (window pixels) on the display. A point or pixel zoom too large for the room
// fits the screen to it instead.
ZoomFactor zoomFactor(WindowZoom zoom, CGSize points, CGFloat scale, CGSize room);
