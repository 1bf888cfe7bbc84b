#pragma once

#include "prefs/bitmap/BitmapContextManipulator.h"

// Turns the rep's bitmap about its centre by an angle in degrees (counter-clockwise as drawn,
// y up), into a bitmap just large enough to hold it; the corners around it are transparent.
class BitmapRotationManipulator : public BitmapContextManipulator {
    RUNTIME_CLASS(BitmapRotationManipulator)
    using BitmapContextManipulator::BitmapContextManipulator;

    // 0 changes nothing.
    void rotate(double degrees);
    // The turned image, with its size rounded up to whole pixels; the rep keeps its bitmap.
    CGImageRef imageByRotating(double degrees);

private:
    enum class Rounding { Nearest, Up };
    CGContextRef rotatedContext(double degrees, Rounding rounding);
};
