#include "platform/ui/layers/CAMediaTimingFunction.h"

#include <algorithm>
#include <cmath>

namespace {

double bezier(double t, double p1, double p2) {
    const double u = 1 - t;
    return 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t;
}

}  // namespace

std::shared_ptr<CAMediaTimingFunction> CAMediaTimingFunction::functionWithName(
    std::string_view name) {
    if (name == kCAMediaTimingFunctionEaseIn) return functionWithControlPoints(0.42, 0, 1, 1);
    if (name == kCAMediaTimingFunctionEaseOut) return functionWithControlPoints(0, 0, 0.58, 1);
    if (name == kCAMediaTimingFunctionEaseInEaseOut)
        return functionWithControlPoints(0.42, 0, 0.58, 1);
    if (name == kCAMediaTimingFunctionDefault) return functionWithControlPoints(0.25, 0.1, 0.25, 1);
    return functionWithControlPoints(0, 0, 1, 1);
}

std::shared_ptr<CAMediaTimingFunction> CAMediaTimingFunction::functionWithControlPoints(double x1,
                                                                                        double y1,
                                                                                        double x2,
                                                                                        double y2) {
    return std::shared_ptr<CAMediaTimingFunction>(
        new CAMediaTimingFunction(std::clamp(x1, 0.0, 1.0), y1, std::clamp(x2, 0.0, 1.0), y2));
}

double CAMediaTimingFunction::valueAt(double x) const {
    x = std::clamp(x, 0.0, 1.0);
    // x(t) is monotonic for control points within [0, 1]: bisection always converges.
    double low = 0, high = 1, t = x;
    for (int i = 0; i < 60; ++i) {
        const double value = bezier(t, x1_, x2_);
        if (std::fabs(value - x) < 1e-9) break;
        (value < x ? low : high) = t;
        t = (low + high) / 2;
    }
    return bezier(t, y1_, y2_);
}
