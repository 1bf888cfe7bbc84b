#include "platform/ui/layers/CALayer.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/Clock.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/ui/layers/CAAnimation.h"
#include "platform/ui/layers/CATransaction.h"
#include "platform/ui/layers/LayerTransition.h"

namespace {

std::uint64_t changes = 0;
std::uint64_t nextAnimationId = 1;

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

struct CALayer::AnimationRecord {
    std::uint64_t id;
    std::string key;
    std::shared_ptr<CAAnimation> animation;
    AnimatableValue from;
    std::optional<double> beginTime;  // set when the transaction that added it commits
    bool finished = false;
    NSRunLoop::TimerId timer = 0;
};

std::shared_ptr<CALayer> CALayer::layer() {
    return std::make_shared<CALayer>();
}

CALayer::~CALayer() {
    NSRunLoop::mainRunLoop().removeTimersTagged(this);
    for (const auto& sublayer : sublayers_) sublayer->superlayer_.reset();
}

std::uint64_t CALayer::changeCount() {
    return changes;
}
void CALayer::noteChange() {
    ++changes;
}

// Geometry

void CALayer::setBounds(CGRect bounds) {
    const CGRect old = bounds_;
    bounds_ = bounds;
    if (old.size != bounds.size) {
        if (needsDisplayOnBoundsChange_) setNeedsDisplay();
        setNeedsLayout();
    }
    didChangeValue("bounds", old);
}

void CALayer::setPosition(CGPoint position) {
    const CGPoint old = position_;
    position_ = position;
    didChangeValue("position", old);
}

void CALayer::setAnchorPoint(CGPoint anchorPoint) {
    anchorPoint_ = anchorPoint;
    noteChange();
}

void CALayer::setTransform(const CATransform3D& transform) {
    const CATransform3D old = transform_;
    transform_ = transform;
    didChangeValue("transform", old);
}

CGRect CALayer::frame() const {
    const CGPoint corners[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    CGFloat minX = INFINITY, minY = INFINITY, maxX = -INFINITY, maxY = -INFINITY;
    for (CGPoint corner : corners) {
        const CGPoint local{(corner.x - anchorPoint_.x) * bounds_.size.width,
                            (corner.y - anchorPoint_.y) * bounds_.size.height};
        const CGPoint moved = CATransform3DApplyToPoint(transform_, local);
        minX = std::min(minX, moved.x);
        maxX = std::max(maxX, moved.x);
        minY = std::min(minY, moved.y);
        maxY = std::max(maxY, moved.y);
    }
    return {{position_.x + minX, position_.y + minY}, {maxX - minX, maxY - minY}};
}

void CALayer::setFrame(CGRect frame) {
    frame = CGRectStandardize(frame);
    setPosition({frame.origin.x + anchorPoint_.x * frame.size.width,
                 frame.origin.y + anchorPoint_.y * frame.size.height});
    setBounds({bounds_.origin, frame.size});
}

// Appearance

void CALayer::setOpacity(float opacity) {
    const float old = opacity_;
    if (committedGeneration_ != CATransaction::generation() + 1) {
        // The first change in this turn: remember what was on screen.
        committedOpacity_ = old;
        committedGeneration_ = CATransaction::generation() + 1;
    }
    opacity_ = opacity;
    didChangeValue("opacity", static_cast<double>(old));
}

float CALayer::committedOpacity() const {
    return committedGeneration_ == CATransaction::generation() + 1 ? committedOpacity_ : opacity_;
}

void CALayer::setHidden(bool hidden) {
    hidden_ = hidden;
    noteChange();
}

void CALayer::setBackgroundColor(CGColorRef color) {
    backgroundColor_ = std::move(color);
    noteChange();
}

void CALayer::setCornerRadius(CGFloat radius) {
    cornerRadius_ = radius;
    noteChange();
}

void CALayer::setMasksToBounds(bool masks) {
    masksToBounds_ = masks;
    noteChange();
}

void CALayer::setContents(CGImageRef contents) {
    contents_ = std::move(contents);
    noteChange();
}

void CALayer::setContentsScale(CGFloat scale) {
    if (scale != contentsScale_) needsDisplay_ = true;
    contentsScale_ = scale;
    noteChange();
}

void CALayer::setShadowColor(CGColorRef color) {
    shadowColor_ = std::move(color);
    noteChange();
}

void CALayer::setShadowOffset(CGSize offset) {
    shadowOffset_ = offset;
    noteChange();
}

void CALayer::setShadowOpacity(float opacity) {
    shadowOpacity_ = opacity;
    noteChange();
}

void CALayer::setShadowRadius(CGFloat radius) {
    shadowRadius_ = radius;
    noteChange();
}

void CALayer::setOpaque(bool opaque) {
    opaque_ = opaque;
    noteChange();
}

// The tree

void CALayer::addSublayer(const std::shared_ptr<CALayer>& layer) {
    insertSublayer_atIndex(layer, sublayers_.size());
}

void CALayer::insertSublayer_atIndex(const std::shared_ptr<CALayer>& layer, size_t index) {
    if (!layer || layer.get() == this) return;
    const std::shared_ptr<CALayer> keep = layer;  // removal below may drop the last owner
    if (keep->superlayer().get() == this) {
        auto it = std::find(sublayers_.begin(), sublayers_.end(), keep);
        const size_t current = static_cast<size_t>(it - sublayers_.begin());
        sublayers_.erase(it);
        if (index > current) --index;
    } else {
        keep->removeFromSuperlayer();
    }
    index = std::min(index, sublayers_.size());
    sublayers_.insert(sublayers_.begin() + static_cast<std::ptrdiff_t>(index), keep);
    keep->superlayer_ = std::static_pointer_cast<CALayer>(shared_from_this());
    setNeedsLayout();
    noteChange();
}

void CALayer::removeFromSuperlayer() {
    auto parent = superlayer();
    if (!parent) return;
    superlayer_.reset();
    auto& siblings = parent->sublayers_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), shared_from_this()),
                   siblings.end());
    noteChange();
}

// Drawing

void CALayer::setNeedsDisplay() {
    needsDisplay_ = true;
    noteChange();
}

void CALayer::drawInContext(const CGContextRef& context) {
    if (auto owner = delegate()) owner->drawLayer_inContext(this, context);
}

bool CALayer::drawsContent() const {
    auto owner = delegate();
    return owner && owner->layerDrawsContent(this);
}

CGImageRef CALayer::backingImage() {
    if (!drawsContent()) return nullptr;
    const size_t width = static_cast<size_t>(std::ceil(bounds_.size.width * contentsScale_));
    const size_t height = static_cast<size_t>(std::ceil(bounds_.size.height * contentsScale_));
    if (width == 0 || height == 0) return nullptr;
    const bool sizeChanged = backingImage_ && (CGImageGetWidth(backingImage_) != width ||
                                               CGImageGetHeight(backingImage_) != height);
    if (backingImage_ && !needsDisplay_ && !sizeChanged) return backingImage_;
    needsDisplay_ = false;
    CGContextRef context = UIGraphicsCreateDrawingContext(
        nullptr, width, height, 0, contentsScale_,
        opaque_ ? BitmapOpacity::Opaque : BitmapOpacity::Transparent);
    if (!context) return backingImage_ = nullptr;
    CGContextTranslateCTM(context, -bounds_.origin.x, -bounds_.origin.y);
    UIGraphicsPushContext(context);
    drawInContext(context);
    UIGraphicsPopContext();
    return backingImage_ = CGBitmapContextCreateImage(context);
}

void CALayer::setNeedsLayout() {
    needsLayout_ = true;
}

void CALayer::layoutIfNeeded() {
    if (needsLayout_) {
        needsLayout_ = false;
        layoutSublayers();
    }
    const auto children = sublayers_;  // layout may change the tree
    for (const auto& sublayer : children) sublayer->layoutIfNeeded();
}

void CALayer::layoutSublayers() {
    if (auto owner = delegate()) owner->layoutSublayersOfLayer(this);
}

void CALayer::setTransition(std::shared_ptr<LayerTransition> transition) {
    transition_ = std::move(transition);
    noteChange();
}

// Animations

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

// Presentation

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
