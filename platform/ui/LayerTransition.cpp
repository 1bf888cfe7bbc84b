#include "platform/ui/LayerTransition.h"

#include <algorithm>

#include "platform/ui/CAMediaTimingFunction.h"

double LayerTransition::progressAt(double now) const {
    static const auto easeInEaseOut =
        CAMediaTimingFunction::functionWithName(kCAMediaTimingFunctionEaseInEaseOut);
    if (duration <= 0) return 1;
    return easeInEaseOut->valueAt(std::clamp((now - beginTime) / duration, 0.0, 1.0));
}
