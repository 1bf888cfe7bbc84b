#include "platform/ui/layers/SpringTiming.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kSettled = 0.001;
}

SpringTiming::SpringTiming(double dampingRatio, double initialVelocity, double duration)
    : damping_(std::clamp(dampingRatio, 0.01, 1.0)),
      velocity_(initialVelocity),
      duration_(std::max(duration, 1e-6)) {
    // The envelope falls as the frequency rises; bisect on a logarithmic scale for the frequency
    // that leaves a thousandth of the travel at the end.
    double low = 1e-3, high = 1e4;
    for (int i = 0; i < 200; ++i) {
        const double middle = std::sqrt(low * high);
        (envelopeAt(middle, duration_) > kSettled ? low : high) = middle;
    }
    omega_ = high;
}

double SpringTiming::envelopeAt(double omega, double time) const {
    // Displacement x(0) = -1 from the target, velocity x'(0) = velocity_.
    if (damping_ >= 1) {
        const double b = velocity_ - omega;
        return std::exp(-omega * time) * (1 + std::fabs(b) * time);
    }
    const double dampedOmega = omega * std::sqrt(1 - damping_ * damping_);
    const double b = (velocity_ - damping_ * omega) / dampedOmega;
    return std::exp(-damping_ * omega * time) * std::sqrt(1 + b * b);
}

double SpringTiming::progressAt(double elapsed) const {
    if (elapsed <= 0) return 0;
    if (elapsed >= duration_) return 1;
    double displacement;
    if (damping_ >= 1) {
        const double b = velocity_ - omega_;
        displacement = (-1 + b * elapsed) * std::exp(-omega_ * elapsed);
    } else {
        const double dampedOmega = omega_ * std::sqrt(1 - damping_ * damping_);
        const double b = (velocity_ - damping_ * omega_) / dampedOmega;
        displacement = std::exp(-damping_ * omega_ * elapsed) *
                       (-std::cos(dampedOmega * elapsed) + b * std::sin(dampedOmega * elapsed));
    }
    return 1 + displacement;
}
