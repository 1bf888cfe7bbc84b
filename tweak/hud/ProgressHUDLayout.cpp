#include "tweak/hud/ProgressHUDLayout.h"

#include <algorithm>
#include <cmath>

ProgressHUDLayout ProgressHUDLayout::compute(const Parameters& p) {
    const CGFloat width = p.bounds.width;
    const CGFloat height = p.bounds.height;
    // A HUD narrower than four margins lays its parts out empty rather than with negative widths.
    const CGFloat maxWidth = std::max(width - 4 * p.margin, 0.0);

    const CGSize indicator{std::min(p.indicatorSize.width, maxWidth), p.indicatorSize.height};
    CGFloat totalWidth = std::max(indicator.width, 0.0);
    CGFloat totalHeight = indicator.height;
    const bool hasIndicator = indicator.height > 0;

    const CGSize label{std::min(p.labelSize.width, maxWidth), p.labelSize.height};
    const bool hasLabel = label.height > 0;
    totalWidth = std::max(totalWidth, label.width);
    totalHeight += label.height;
    if (hasLabel && hasIndicator) totalHeight += kPadding;

    CGSize details{};
    if (p.measureDetails) {
        details = p.measureDetails({maxWidth, height - totalHeight - kPadding - 4 * p.margin});
    }
    const bool detailsFollowSomething = details.height > 0 && (hasIndicator || hasLabel);
    totalWidth = std::max(totalWidth, details.width);
    totalHeight += details.height;
    if (detailsFollowSomething) totalHeight += kPadding;

    totalWidth += 2 * p.margin;
    totalHeight += 2 * p.margin;

    ProgressHUDLayout layout;
    const auto centredX = [&](CGFloat partWidth) {
        return std::round((width - partWidth) / 2) + p.xOffset;
    };
    CGFloat y = std::round((height - totalHeight) / 2) + p.margin + p.yOffset;
    layout.indicatorFrame = {{centredX(indicator.width), y}, indicator};
    y += indicator.height;
    if (hasLabel && hasIndicator) y += kPadding;
    layout.labelFrame = {{centredX(label.width), y}, label};
    y += label.height;
    if (detailsFollowSomething) y += kPadding;
    layout.detailsFrame = {{centredX(details.width), y}, details};

    if (p.square) {
        // Each axis is squared only where the square still fits inside the margins.
        const CGFloat side = std::max(totalWidth, totalHeight);
        if (side <= width - 2 * p.margin) totalWidth = side;
        if (side <= height - 2 * p.margin) totalHeight = side;
    }
    layout.size = {std::max(totalWidth, p.minSize.width), std::max(totalHeight, p.minSize.height)};
    return layout;
}
