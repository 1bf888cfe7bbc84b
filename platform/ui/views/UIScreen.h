#pragma once

#include <memory>

#include "platform/graphics/CGGeometry.h"
#include "platform/runtime/NSObject.h"

// The device's screen: its size in points (portrait) and its scale. The simulator sets it up
// from the device profile before anything is drawn.
class UIScreen : public NSObject {
    RUNTIME_CLASS(UIScreen)
    static UIScreen& mainScreen();

    CGRect bounds() const { return bounds_; }
    CGFloat scale() const { return scale_; }
    // The screen in pixels: its bounds at its scale, to the nearest whole pixel.
    size_t pixelWidth() const;
    size_t pixelHeight() const;
    void configure(CGSize size, CGFloat scale);

private:
    CGRect bounds_{{0, 0}, {320, 480}};
    CGFloat scale_ = 2;
};
