#pragma once

#include <optional>

#include "platform/graphics/CGGeometry.h"

// Quick taps in one place. A tap is a touch that stays within kAllowableMovement of where its
// sequence began; the next tap of the sequence comes down within kMaximumGap seconds of the last
// one's lift and within the same allowance. Points are in screen coordinates.
class TapSequence {
public:
    static constexpr double kMaximumGap = 0.35;
    static constexpr CGFloat kAllowableMovement = 10;

    // A finger came down. True when it continues the sequence; otherwise a new sequence begins
    // with it.
    bool touchDown(CGPoint point, double timestamp);
    // The finger moved; false, and the touch is no tap, once it strays too far.
    bool touchMoved(CGPoint point);
    // The finger lifted: one more tap, unless the touch strayed.
    void touchUp(double timestamp);

    int completedTaps() const { return completedTaps_; }
    void reset();

private:
    bool isNearOrigin(CGPoint point) const;

    std::optional<CGPoint> origin_;
    bool fingerStrayed_ = false;
    int completedTaps_ = 0;
    double lastLift_ = 0;
};
