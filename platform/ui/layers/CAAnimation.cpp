#include "platform/ui/layers/CAAnimation.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/layers/CAMediaTimingFunction.h"
#include "platform/ui/layers/SpringTiming.h"

double CAAnimation::effectiveDuration() const {
    return duration_ > 0 && std::isfinite(duration_) ? duration_ : 0.25;
}

double CAAnimation::effectiveBeginTime() const {
    return std::isfinite(beginTime_) ? beginTime_ : 0;
}

double CAAnimation::progressAt(double timeFraction) const {
    timeFraction = std::clamp(timeFraction, 0.0, 1.0);
    return timingFunction_ ? timingFunction_->valueAt(timeFraction) : timeFraction;
}

std::shared_ptr<CABasicAnimation> CABasicAnimation::animationWithKeyPath(std::string keyPath) {
    auto animation = std::make_shared<CABasicAnimation>();
    animation->setKeyPath(std::move(keyPath));
    return animation;
}

AnimatableValue CABasicAnimation::valueAt(double timeFraction, const AnimatableValue& from,
                                          const AnimatableValue& to) const {
    return interpolate(fromValue_.value_or(from), toValue_.value_or(to), progressAt(timeFraction));
}

std::shared_ptr<CASpringAnimation> CASpringAnimation::animationWithKeyPath(std::string keyPath,
                                                                           double dampingRatio,
                                                                           double initialVelocity,
                                                                           double duration) {
    auto animation = std::make_shared<CASpringAnimation>();
    animation->setKeyPath(std::move(keyPath));
    animation->setDuration(duration);
    animation->spring_ = std::make_shared<SpringTiming>(dampingRatio, initialVelocity,
                                                        animation->effectiveDuration());
    return animation;
}

double CASpringAnimation::progressAt(double timeFraction) const {
    return spring_->progressAt(std::clamp(timeFraction, 0.0, 1.0) * effectiveDuration());
}

std::shared_ptr<CAKeyframeAnimation> CAKeyframeAnimation::animationWithKeyPath(
    std::string keyPath) {
    auto animation = std::make_shared<CAKeyframeAnimation>();
    animation->setKeyPath(std::move(keyPath));
    return animation;
}

AnimatableValue CAKeyframeAnimation::valueAt(double timeFraction, const AnimatableValue&,
                                             const AnimatableValue& to) const {
    if (values_.empty()) return to;
    if (values_.size() == 1) return values_.front();
    const double progress = progressAt(timeFraction);
    const size_t last = values_.size() - 1;
    auto keyTime = [&](size_t i) {
        return keyTimes_.size() == values_.size() ? keyTimes_[i] : static_cast<double>(i) / last;
    };
    size_t segment = 0;
    while (segment + 1 < last && progress > keyTime(segment + 1)) ++segment;
    const double start = keyTime(segment), end = keyTime(segment + 1);
    const double local = end > start ? (progress - start) / (end - start) : 1.0;
    return interpolate(values_[segment], values_[segment + 1], std::clamp(local, 0.0, 1.0));
}
