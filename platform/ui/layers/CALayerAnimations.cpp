// How a layer starts, finishes and removes its animations.
#include <algorithm>

#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/ui/layers/CAAnimation.h"
#include "platform/ui/layers/CALayer.h"
#include "platform/ui/layers/CATransaction.h"
#include "platform/ui/layers/detail/CALayerAnimationRecord.h"

namespace {

std::uint64_t nextAnimationId = 1;

}  // namespace

void CALayer::didChangeValue(std::string_view key, const AnimatableValue& oldValue) {
    noteChange();
    if (CATransaction::disableActions()) return;
    CALayerDelegate::ActionResult action;
    if (auto owner = delegate()) action = owner->actionForLayer_forKey(this, key, oldValue);
    std::shared_ptr<CAAnimation> animation = action.animation;
    if (action.action == CALayerDelegate::Action::None) return;
    if (action.action == CALayerDelegate::Action::Default) {
        if (!animatesImplicitly_) return;
        auto implicit = CABasicAnimation::animationWithKeyPath(std::string(key));
        implicit->setDuration(CATransaction::animationDuration());
        implicit->setFromValue(presentationValue(key, oldValue));
        animation = implicit;
    }
    if (animation) addAnimation_forKey(animation, std::string(key));
}

void CALayer::addAnimation_forKey(const std::shared_ptr<CAAnimation>& animation,
                                  const std::string& key) {
    if (!animation) return;
    const std::string recordKey =
        key.empty() ? "animation-" + std::to_string(nextAnimationId) : key;
    AnimatableValue from =
        presentationValueForKeyPath(animation->keyPath()).value_or(AnimatableValue(0.0));
    if (auto existing = std::find_if(animations_.begin(), animations_.end(),
                                     [&](const AnimationRecord& r) { return r.key == recordKey; });
        existing != animations_.end()) {
        stopRecord(existing, false);
    }
    const std::uint64_t id = nextAnimationId++;
    animations_.push_back(
        AnimationRecord{id, recordKey, animation, std::move(from), std::nullopt, false, 0});
    noteChange();

    std::weak_ptr<CALayer> weakSelf = std::static_pointer_cast<CALayer>(shared_from_this());
    CATransaction::whenCommitted([weakSelf, id](double now) {
        auto self = weakSelf.lock();
        if (!self) return;
        auto record = std::find_if(self->animations_.begin(), self->animations_.end(),
                                   [id](const AnimationRecord& r) { return r.id == id; });
        if (record == self->animations_.end() || record->beginTime) return;
        record->beginTime = now + record->animation->effectiveBeginTime();
        const double end = *record->beginTime + record->animation->effectiveDuration();
        record->timer = NSRunLoop::mainRunLoop().addTimer(end, self.get(), [weakSelf, id] {
            if (auto layer = weakSelf.lock()) layer->finishAnimation(id);
        });
    });
}

void CALayer::finishAnimation(std::uint64_t id) {
    auto record = std::find_if(animations_.begin(), animations_.end(),
                               [id](const AnimationRecord& r) { return r.id == id; });
    if (record == animations_.end()) return;
    record->finished = true;
    record->timer = 0;
    auto animation = record->animation;
    if (animation->isRemovedOnCompletion()) animations_.erase(record);
    noteChange();
    if (auto delegate = animation->delegate())
        delegate->animationDidStop_finished(animation.get(), true);
}

void CALayer::stopRecord(std::vector<AnimationRecord>::iterator record, bool finished) {
    if (record->timer != 0) NSRunLoop::mainRunLoop().removeTimer(record->timer);
    auto animation = record->animation;
    const bool toldAlready = record->finished;
    animations_.erase(record);
    noteChange();
    if (toldAlready) return;
    // The platform tells delegates of removed animations afterwards, not in the middle of the call.
    DispatchQueue::main().async([animation, finished] {
        if (auto delegate = animation->delegate())
            delegate->animationDidStop_finished(animation.get(), finished);
    });
}

std::shared_ptr<CAAnimation> CALayer::animationForKey(std::string_view key) const {
    for (const auto& record : animations_) {
        if (record.key == key) return record.animation;
    }
    return nullptr;
}

std::vector<std::string> CALayer::animationKeys() const {
    std::vector<std::string> keys;
    for (const auto& record : animations_) keys.push_back(record.key);
    return keys;
}

void CALayer::removeAnimationForKey(std::string_view key) {
    auto record = std::find_if(animations_.begin(), animations_.end(),
                               [&](const AnimationRecord& r) { return r.key == key; });
    if (record != animations_.end()) stopRecord(record, false);
}

void CALayer::removeAllAnimations() {
    while (!animations_.empty()) stopRecord(animations_.begin(), false);
}

bool CALayer::hasRunningAnimations() const {
    return transition_ != nullptr ||
           std::any_of(animations_.begin(), animations_.end(),
                       [](const AnimationRecord& r) { return !r.finished; });
}
