#pragma once

#include <functional>

#include "platform/graphics/CGGeometry.h"

// Where a HUD puts its indicator and its two labels, and how large its box is: the three are
// stacked and centred in the HUD's bounds, 4 points apart where both neighbours have height, the
// box padded by the margin on every side. Pure arithmetic, so the numbers can be checked alone.
class ProgressHUDLayout {
public:
    struct Parameters {
        CGSize bounds;
        CGFloat margin = 20;
        CGFloat xOffset = 0;
        CGFloat yOffset = 0;
        bool square = false;
        CGSize minSize;
        CGSize indicatorSize;
        // The label's text on one line; zero when there is no text.
        CGSize labelSize;
        // The details text wrapped within a bounding size; null when there is no text.
        std::function<CGSize(CGSize bounding)> measureDetails;
    };

    static constexpr CGFloat kPadding = 4;

    static ProgressHUDLayout compute(const Parameters& parameters);

    CGRect indicatorFrame;
    CGRect labelFrame;
    CGRect detailsFrame;
    // The box.
    CGSize size;
};
