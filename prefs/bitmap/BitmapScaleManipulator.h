#pragma once

#include "prefs/bitmap/BMPoint.h"
#include "prefs/bitmap/BitmapContextManipulator.h"

// Resizes the rep's bitmap to (width, height) pixels.
class BitmapScaleManipulator : public BitmapContextManipulator {
    RUNTIME_CLASS(BitmapScaleManipulator)
    using BitmapContextManipulator::BitmapContextManipulator;

    // Stretches the image over the new size.
    void setSize(BMPoint size);
    // The whole image, centred, with transparent bands where the aspect ratios differ.
    void setSizeFittingFrame(BMPoint size);
    // The frame covered, centred; the overflow is cut off.
    void setSizeFillingFrame(BMPoint size);

private:
    enum class Cover { Fit, Fill };
    void setSizeKeepingAspect(BMPoint size, Cover cover);
};
