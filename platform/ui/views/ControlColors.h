#pragma once

#include <memory>

#include "platform/graphics/UIColor.h"

// The system's colours for controls, shared by the controls that draw them.
namespace ControlColors {

// The blue of a filled slider track and of alert buttons.
inline std::shared_ptr<UIColor> tint() {
    return UIColor::colorWithRed_green_blue_alpha(0, 122.0 / 255, 1, 1);
}

// A switch that is on.
inline std::shared_ptr<UIColor> switchOn() {
    return UIColor::colorWithRed_green_blue_alpha(76.0 / 255, 217.0 / 255, 100.0 / 255, 1);
}

// Unfilled tracks and outlines, and the hairlines between alert buttons.
inline std::shared_ptr<UIColor> track() {
    return UIColor::colorWithWhite_alpha(0.72, 1);
}

inline std::shared_ptr<UIColor> outline() {
    return UIColor::colorWithWhite_alpha(0.9, 1);
}

}  // namespace ControlColors
