#pragma once

#include <functional>

#include "platform/ui/layers/LayerTransition.h"
#include "platform/ui/layers/detail/Homography.h"
#include "platform/ui/layers/detail/Picture.h"
#include "platform/ui/layers/detail/Surface.h"

// The view transitions, each drawn in its layer's place from the picture taken before the change
// to the layer's live content.
namespace detail {

struct TransitionFrame {
    CGRect bounds;        // the layer's, in its own coordinates
    Homography toDevice;  // the layer's coordinates into device space
    double opacity = 1;
    double progress = 0;  // eased, 0 to 1
    Picture before;
    std::function<Picture()> live;  // rendered only when a transition needs it
};

// A 3-D turn about the vertical centre line, seen in perspective: the old picture turns away
// for the first half, the live content turns in for the second. From the left, the left edge
// comes towards the viewer.
void drawFlip(Surface& target, const TransitionFrame& frame, TransitionKind kind);
// The old picture peels off along a slanted fold, its underside showing, uncovering the live
// content: up from the bottom, or down from the top.
void drawCurl(Surface& target, const TransitionFrame& frame, TransitionKind kind);
// The old picture narrows and is drawn into `point` (layer coordinates) like a genie into its
// lamp, over the live content.
void drawCollapse(Surface& target, const TransitionFrame& frame, CGPoint point);

}  // namespace detail
