#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/runtime/NSObject.h"
#include "platform/ui/layers/AnimatableValue.h"

class CAAnimation;
class CAMediaTimingFunction;
class SpringTiming;

// Told when an animation added to a layer starts (when the transaction that added it commits)
// and when it stops: finished when it ran to its end, not finished when it was removed or
// replaced before that.
class CAAnimationDelegate {
public:
    virtual ~CAAnimationDelegate() = default;
    virtual void animationDidStart(CAAnimation*) {}
    virtual void animationDidStop_finished(CAAnimation* animation, bool finished) = 0;
};

// Whether an animation's values hold outside its active time: before it starts (backwards, for a
// delayed animation) and after it ends (forwards, when it is not removed on completion).
enum class CAFillMode { Removed, Forwards, Backwards, Both };

// An animation of one key path of a layer. Its timing: it starts `beginTime` seconds after the
// transaction that added it commits (at once when that is not finite), runs `duration` seconds
// (0, negative or not finite: the platform's 0.25) through its timing function, and then is
// removed, or stays in force when not removed on completion with the forwards fill mode. The
// delegate is not owned.
class CAAnimation : public NSObject {
public:
    const std::string& keyPath() const { return keyPath_; }
    void setKeyPath(std::string keyPath) { keyPath_ = std::move(keyPath); }
    double duration() const { return duration_; }
    void setDuration(double duration) { duration_ = duration; }
    double beginTime() const { return beginTime_; }
    void setBeginTime(double beginTime) { beginTime_ = beginTime; }
    const std::shared_ptr<CAMediaTimingFunction>& timingFunction() const { return timingFunction_; }
    void setTimingFunction(std::shared_ptr<CAMediaTimingFunction> function) {
        timingFunction_ = std::move(function);
    }
    bool isRemovedOnCompletion() const { return removedOnCompletion_; }
    void setRemovedOnCompletion(bool removed) { removedOnCompletion_ = removed; }
    CAFillMode fillMode() const { return fillMode_; }
    void setFillMode(CAFillMode mode) { fillMode_ = mode; }
    std::shared_ptr<CAAnimationDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<CAAnimationDelegate>& delegate) { delegate_ = delegate; }

    // The timing in force: a duration or begin time that could never run its course gives way to
    // the platform's default.
    double effectiveDuration() const;
    double effectiveBeginTime() const;
    // Progress through the timing function at `timeFraction` of the duration.
    virtual double progressAt(double timeFraction) const;
    // The animated value at `timeFraction`, between the value the layer had when the animation
    // was added (`from`) and the layer's current model value (`to`).
    virtual AnimatableValue valueAt(double timeFraction, const AnimatableValue& from,
                                    const AnimatableValue& to) const = 0;

private:
    std::string keyPath_;
    double duration_ = 0;
    double beginTime_ = 0;
    std::shared_ptr<CAMediaTimingFunction> timingFunction_;
    bool removedOnCompletion_ = true;
    CAFillMode fillMode_ = CAFillMode::Removed;
    std::weak_ptr<CAAnimationDelegate> delegate_;
};

// From `fromValue` (else the value when added) to `toValue` (else the model value).
class CABasicAnimation : public CAAnimation {
public:
    static std::shared_ptr<CABasicAnimation> animationWithKeyPath(std::string keyPath);

    const std::optional<AnimatableValue>& fromValue() const { return fromValue_; }
    void setFromValue(std::optional<AnimatableValue> value) { fromValue_ = std::move(value); }
    const std::optional<AnimatableValue>& toValue() const { return toValue_; }
    void setToValue(std::optional<AnimatableValue> value) { toValue_ = std::move(value); }

    AnimatableValue valueAt(double timeFraction, const AnimatableValue& from,
                            const AnimatableValue& to) const override;

private:
    std::optional<AnimatableValue> fromValue_;
    std::optional<AnimatableValue> toValue_;
};

// A basic animation whose progress is a damped spring instead of a timing curve.
class CASpringAnimation : public CABasicAnimation {
public:
    static std::shared_ptr<CASpringAnimation> animationWithKeyPath(std::string keyPath,
                                                                   double dampingRatio,
                                                                   double initialVelocity,
                                                                   double duration);
    double progressAt(double timeFraction) const override;

private:
    std::shared_ptr<SpringTiming> spring_;
};

// Through `values`, at `keyTimes` (fractions of the duration, one per value; evenly spaced when
// empty).
class CAKeyframeAnimation : public CAAnimation {
public:
    static std::shared_ptr<CAKeyframeAnimation> animationWithKeyPath(std::string keyPath);

    const std::vector<AnimatableValue>& values() const { return values_; }
    void setValues(std::vector<AnimatableValue> values) { values_ = std::move(values); }
    void setKeyTimes(std::vector<double> keyTimes) { keyTimes_ = std::move(keyTimes); }

    AnimatableValue valueAt(double timeFraction, const AnimatableValue& from,
                            const AnimatableValue& to) const override;

private:
    std::vector<AnimatableValue> values_;
    std::vector<double> keyTimes_;
};
