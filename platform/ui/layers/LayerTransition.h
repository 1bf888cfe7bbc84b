#pragma once

#include "platform/graphics/CGGeometry.h"
#include "platform/graphics/CGImage.h"

// The platform's view transitions, by their numbers.
enum class TransitionKind {
    FlipFromLeft = 1,
    FlipFromRight = 2,
    CurlUp = 3,
    CurlDown = 4,
    Collapse = 103,  // sucked into a point
};

// A transition running on a layer: from a picture of the layer as it looked when the transition
// was set up (`before`, at `beforeScale` pixels per point, the layer's bounds size) to the layer's
// live state, over `duration` seconds from `beginTime`, eased in and out; a duration that is not
// positive and finite ends it at once. A collapse draws the picture into `target`, a point in the
// layer's superlayer.
struct LayerTransition {
    TransitionKind kind = TransitionKind::FlipFromLeft;
    double beginTime = 0;
    double duration = 0.2;
    CGImageRef before;
    CGFloat beforeScale = 1;
    // The layer's opacity when the picture was taken, before the changes the transition shows.
    double beforeOpacity = 1;
    CGPoint target;

    double effectiveDuration() const;
    // Eased progress at `now`, in [0, 1].
    double progressAt(double now) const;
};
