#pragma once

#include <memory>

#include "prefs/bitmap/BitmapContextManipulator.h"

class UIColor;

// Draws into the rep's own bitmap. Rectangles measure y from the top edge.
class BitmapDrawManipulator : public BitmapContextManipulator {
    RUNTIME_CLASS(BitmapDrawManipulator)
    using BitmapContextManipulator::BitmapContextManipulator;

    void drawImage_inRect(const CGImageRef& image, CGRect rect);
    // Fills the ellipse inscribed in `frame`.
    void drawEllipseInFrame_color(CGRect frame, const std::shared_ptr<UIColor>& color);
};
