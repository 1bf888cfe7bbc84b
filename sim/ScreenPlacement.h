#pragma once

#include "platform/graphics/CGGeometry.h"

// Where the device's screen sits in the simulator window: centred, as large as the window allows
// with its proportions kept, black bars on the other sides; and which screen point a window
// pixel shows, so the mouse touches what it points at whatever the window's size.
class ScreenPlacement {
public:
    struct PixelRect {
        int x, y, width, height;
    };

    ScreenPlacement(CGSize screenPoints, int windowWidth, int windowHeight);

    void setWindowSize(int width, int height);
    // In window pixels.
    const PixelRect& screenRect() const { return rect_; }
    // The screen point under window pixel (x, y) (its top left corner), to a hundredth of a
    // point; outside the screen for a pixel on a bar.
    CGPoint pointAt(int x, int y) const;

private:
    CGSize points_;
    PixelRect rect_{};
};
