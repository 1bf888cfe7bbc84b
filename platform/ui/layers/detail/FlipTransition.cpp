#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/ui/layers/CATransform3D.h"
#include "platform/ui/layers/detail/Transitions.h"

namespace detail {

void drawFlip(Surface& target, const TransitionFrame& frame, TransitionKind kind) {
    const CGRect& bounds = frame.bounds;
    const bool firstHalf = frame.progress < 0.5;
    // The old picture turns from 0 to a quarter turn; the new one from the opposite quarter
    // turn back to 0, so the two halves read as one card turning over.
    const double sign = kind == TransitionKind::FlipFromLeft ? 1 : -1;
    const double angle =
        sign * (firstHalf ? frame.progress : frame.progress - 1) * std::numbers::pi;
    // The eye a little further than the card's half width, so that no part swings behind it.
    const double distance = std::max(500.0, 1.5 * bounds.size.width);
    CATransform3D turn = CATransform3DMakeRotation(angle, 0, 1, 0);
    CATransform3D perspective = CATransform3DIdentity;
    perspective.m34 = -1 / distance;
    const CGPoint centre{CGRectGetMidX(bounds), CGRectGetMidY(bounds)};
    const Homography toDevice =
        frame.toDevice * Homography::translation(centre.x, centre.y) *
        Homography::fromTransform3D(CATransform3DConcat(turn, perspective)) *
        Homography::translation(-centre.x, -centre.y);
    const Picture picture = firstHalf ? frame.before : frame.live();
    picture.paint(target, toDevice * picture.pixelsOnto(bounds),
                  project(polygonOfRect(bounds), toDevice), frame.opacity);
}

}  // namespace detail
