#include "platform/ui/layers/LayerTransition.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/layers/CAMediaTimingFunction.h"

double LayerTransition::effectiveDuration() const {
    return duration > 0 && std::isfinite(duration) ? duration : 0;
}

double LayerTransition::progressAt(double now) const {
    static const auto easeInEaseOut =
        CAMediaTimingFunction::functionWithName(kCAMediaTimingFunctionEaseInEaseOut);
    const double length = effectiveDuration();
    if (length == 0) return 1;
    return easeInEaseOut->valueAt(std::clamp((now - beginTime) / length, 0.0, 1.0));
}
