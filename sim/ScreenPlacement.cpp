#include "sim/ScreenPlacement.h"

#include <algorithm>
#include <cmath>

namespace {

// Finer than any finger needs, and short in a recorded script.
CGFloat toHundredths(CGFloat value) {
    return std::round(value * 100) / 100;
}

}  // namespace

ScreenPlacement::ScreenPlacement(CGSize screenPoints, int windowWidth, int windowHeight)
    : points_(screenPoints) {
    setWindowSize(windowWidth, windowHeight);
}

void ScreenPlacement::setWindowSize(int width, int height) {
    const CGFloat factor = std::min(width / points_.width, height / points_.height);
    const int screenWidth = std::max(1, static_cast<int>(std::lround(points_.width * factor)));
    const int screenHeight = std::max(1, static_cast<int>(std::lround(points_.height * factor)));
    rect_ = {(width - screenWidth) / 2, (height - screenHeight) / 2, screenWidth, screenHeight};
}

CGPoint ScreenPlacement::pointAt(int x, int y) const {
    return {toHundredths((x - rect_.x) * points_.width / rect_.width),
            toHundredths((y - rect_.y) * points_.height / rect_.height)};
}
