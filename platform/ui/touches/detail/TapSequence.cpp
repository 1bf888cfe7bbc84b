#include "platform/ui/touches/detail/TapSequence.h"

#include <cmath>

bool TapSequence::touchDown(CGPoint point, double timestamp) {
    const bool continues = origin_ && !fingerStrayed_ && completedTaps_ > 0 &&
                           timestamp - lastLift_ <= kMaximumGap && isNearOrigin(point);
    if (!continues) {
        reset();
        origin_ = point;
    }
    return continues;
}

bool TapSequence::touchMoved(CGPoint point) {
    if (!isNearOrigin(point)) fingerStrayed_ = true;
    return !fingerStrayed_;
}

void TapSequence::touchUp(double timestamp) {
    if (!origin_ || fingerStrayed_) return;
    ++completedTaps_;
    lastLift_ = timestamp;
}

void TapSequence::reset() {
    *this = TapSequence();
}

bool TapSequence::isNearOrigin(CGPoint point) const {
    return origin_ && std::hypot(point.x - origin_->x, point.y - origin_->y) <= kAllowableMovement;
}
