#pragma once

#include "prefs/bitmap/BitmapContextManipulator.h"

// Cuts a rectangle (x, y, width, height) out of the rep's bitmap. cropFrame: measures y from
// the bottom edge, as drawing does; the Top variants measure it from the top edge.
class BitmapCropManipulator : public BitmapContextManipulator {
    RUNTIME_CLASS(BitmapCropManipulator)
    using BitmapContextManipulator::BitmapContextManipulator;

    void cropFrame(CGRect frame);
    void cropTopFrame(CGRect frame);
    // The frame rounded to whole pixels; what lies outside its inscribed ellipse is transparent.
    void cropTopEllipse(CGRect frame);
    // The cut-out as an image; the rep keeps its bitmap.
    CGImageRef croppedImageWithFrame(CGRect frame);

private:
    CGContextRef croppedContext(CGRect frame);
    // Draws the bitmap into `context` with `frame`'s origin (drawing units, y from the bottom
    // edge) at the context's origin.
    void drawBitmapFrom(const CGContextRef& context, CGRect frame);
};
