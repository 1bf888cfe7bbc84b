// A layer's values on screen: its model values with its running animations applied.
#include "platform/foundation/Clock.h"
#include "platform/ui/layers/CAAnimation.h"
#include "platform/ui/layers/CALayer.h"
#include "platform/ui/layers/detail/CALayerAnimationRecord.h"

namespace {

constexpr std::string_view kScaleKeyPath = "transform.scale";

// `transform` with its uniform scale replaced by `scale`.
CATransform3D withScale(const CATransform3D& transform, double scale) {
    const CGFloat current = CATransform3DGetScale(transform);
    CATransform3D unscaled =
        current != 0 ? CATransform3DScale(transform, 1 / current, 1 / current, 1 / current)
                     : CATransform3DIdentity;
    return CATransform3DScale(unscaled, scale, scale, scale);
}

// The key path whose values an animation of `keyPath` changes ("transform.scale" changes
// "transform").
std::string_view baseKeyPath(std::string_view keyPath) {
    return keyPath == kScaleKeyPath ? std::string_view("transform") : keyPath;
}

}  // namespace

std::optional<AnimatableValue> CALayer::modelValueForKeyPath(std::string_view keyPath) const {
    if (keyPath == "opacity") return static_cast<double>(opacity_);
    if (keyPath == "position") return position_;
    if (keyPath == "bounds") return bounds_;
    if (keyPath == "transform") return transform_;
    if (keyPath == kScaleKeyPath) return static_cast<double>(CATransform3DGetScale(transform_));
    return std::nullopt;
}

std::optional<AnimatableValue> CALayer::presentationValueForKeyPath(
    std::string_view keyPath) const {
    if (keyPath == kScaleKeyPath) {
        auto transform = std::get<CATransform3D>(presentationValue("transform", transform_));
        return static_cast<double>(CATransform3DGetScale(transform));
    }
    auto model = modelValueForKeyPath(keyPath);
    if (!model) return std::nullopt;
    return presentationValue(keyPath, *model);
}

AnimatableValue CALayer::presentationValue(std::string_view keyPath, AnimatableValue value) const {
    const double now = NSDate::now();
    for (const auto& record : animations_) {
        const CAAnimation& animation = *record.animation;
        if (baseKeyPath(animation.keyPath()) != keyPath) continue;
        const double begin = record.beginTime.value_or(now);
        const CAFillMode fill = animation.fillMode();
        double fraction = (now - begin) / animation.effectiveDuration();
        if (fraction < 0) {
            if (fill != CAFillMode::Backwards && fill != CAFillMode::Both) continue;
            fraction = 0;
        }
        if (record.finished || fraction >= 1) {
            const bool holds = fill == CAFillMode::Forwards || fill == CAFillMode::Both;
            if (!holds || animation.isRemovedOnCompletion()) continue;
            fraction = 1;
        }
        if (animation.keyPath() == kScaleKeyPath) {
            const auto& transform = std::get<CATransform3D>(value);
            const AnimatableValue scale = animation.valueAt(
                fraction, record.from, static_cast<double>(CATransform3DGetScale(transform_)));
            value = withScale(transform, std::get<double>(scale));
        } else {
            value = animation.valueAt(fraction, record.from, value);
        }
    }
    return value;
}

LayerPresentation CALayer::presentation() const {
    if (animations_.empty()) return {bounds_, position_, anchorPoint_, transform_, opacity_};
    return {std::get<CGRect>(presentationValue("bounds", bounds_)),
            std::get<CGPoint>(presentationValue("position", position_)), anchorPoint_,
            std::get<CATransform3D>(presentationValue("transform", transform_)),
            std::get<double>(presentationValue("opacity", static_cast<double>(opacity_)))};
}
