#pragma once

#include "platform/graphics/CGGeometry.h"

// Where a colour pane puts its wheel, the wheel's brightness slider and the preview of the saved
// colour, by device kind. The 300-point wheel sits one point right of the cell's centre line.
struct ColorPaneLayout {
    // The layout for the device the pane runs on (a tablet only when the device says so).
    static ColorPaneLayout forCurrentDevice();
    static ColorPaneLayout phone(CGFloat screenHeight);
    static ColorPaneLayout tablet();

    // In the wheel cell's coordinates.
    CGRect wheelFrame(CGRect cellBounds) const;
    // Under the wheel: the wheel's frame and bounds as they are now.
    static CGRect sliderFrame(CGRect wheelFrame, CGRect wheelBounds);

    static constexpr CGFloat kWheelSide = 300;
    static constexpr CGFloat kSliderGap = 20;
    static constexpr CGFloat kSliderHeight = 30;
    static constexpr CGFloat kPreviewCornerRadius = 7;

    // How far left of the cell's centre the wheel's left edge is.
    CGFloat wheelOffset;
    // In the pane's table, wherever the table puts the preview's row.
    CGRect previewFrame;
};
