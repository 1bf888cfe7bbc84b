#include "platform/ui/views/UIViewAnimationContext.h"

#include <cmath>
#include <optional>
#include <set>
#include <vector>

#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/layers/CAAnimation.h"
#include "platform/ui/layers/CAMediaTimingFunction.h"
#include "platform/ui/layers/CATransaction.h"
#include "platform/ui/layers/Compositor.h"
#include "platform/ui/layers/LayerTransition.h"

namespace UIViewAnimationContext {
namespace {

// Waits for the animations of one block and then runs its completion once, with whether they
// all ran to their end. Kept alive by the set of live groups until it has run.
class CompletionGroup : public CAAnimationDelegate,
                        public std::enable_shared_from_this<CompletionGroup> {
public:
    using Done = std::function<void(bool finished)>;

    static std::shared_ptr<CompletionGroup> make(Done done) {
        auto group = std::make_shared<CompletionGroup>();
        group->done_ = std::move(done);
        live().insert(group);
        return group;
    }

    void setDone(Done done) { done_ = std::move(done); }
    void expect() { ++pending_; }
    void stopped(bool finished) {
        allFinished_ = allFinished_ && finished;
        --pending_;
        fireIfDone();
    }
    void animationDidStop_finished(CAAnimation*, bool finished) override { stopped(finished); }

    // No more animations will join. A block that made none completes at the next turn.
    void seal() {
        sealed_ = true;
        if (pending_ == 0) {
            DispatchQueue::main().async([self = shared_from_this()] { self->fireIfDone(); });
        }
    }

private:
    static std::set<std::shared_ptr<CompletionGroup>>& live() {
        static std::set<std::shared_ptr<CompletionGroup>> groups;
        return groups;
    }

    void fireIfDone() {
        if (!sealed_ || pending_ > 0 || fired_) return;
        fired_ = true;
        auto self = shared_from_this();
        live().erase(self);
        if (done_) done_(allFinished_);
    }

    Done done_;
    int pending_ = 0;
    bool allFinished_ = true;
    bool sealed_ = false;
    bool fired_ = false;
};

struct Change {
    std::weak_ptr<CALayer> layer;
    std::string key;
    AnimatableValue from;
};

struct Block {
    BlockSettings settings;
    std::shared_ptr<CompletionGroup> group;
    bool legacy = false;
    // Older blocks only:
    std::string animationID;
    void* context = nullptr;
    std::vector<Change> changes;
    int transition = 0;
    std::weak_ptr<UIView> transitionView;
    CGImageRef before;
    CGFloat beforeScale = 1;
    double beforeOpacity = 1;
    std::optional<CGPoint> position;
    std::weak_ptr<NSObject> delegate;
    std::string didStopSelector;
};

std::vector<Block>& blocks() {
    static std::vector<Block> stack;
    return stack;
}

const char* curveName(unsigned long options) {
    switch ((options >> 16) & 3) {
        case 1:
            return "easeIn";
        case 2:
            return "easeOut";
        case 3:
            return "linear";
        default:
            return "easeInEaseOut";
    }
}

std::shared_ptr<CAAnimation> makeAnimation(const CALayer& layer, std::string_view key,
                                           const AnimatableValue& from, const Block& block) {
    const BlockSettings& settings = block.settings;
    std::shared_ptr<CABasicAnimation> animation;
    if (settings.spring) {
        animation = CASpringAnimation::animationWithKeyPath(
            std::string(key), settings.dampingRatio, settings.initialVelocity, settings.duration);
    } else {
        animation = CABasicAnimation::animationWithKeyPath(std::string(key));
        animation->setDuration(settings.duration);
        animation->setTimingFunction(
            CAMediaTimingFunction::functionWithName(curveName(settings.options)));
    }
    animation->setFromValue(from);
    animation->setToValue(layer.modelValueForKeyPath(key));
    animation->setBeginTime(settings.delay);
    animation->setFillMode(CAFillMode::Backwards);
    block.group->expect();
    animation->setDelegate(block.group);
    return animation;
}

// Settings that a nested block takes over from the block around it unless told otherwise.
BlockSettings inherit(BlockSettings settings) {
    if (blocks().empty()) return settings;
    const BlockSettings& outer = blocks().back().settings;
    if (!(settings.options & UIViewAnimationOptionOverrideInheritedDuration))
        settings.duration = outer.duration;
    if (!(settings.options & UIViewAnimationOptionOverrideInheritedCurve)) {
        settings.options = (settings.options & ~(3ul << 16)) | (outer.options & (3ul << 16));
    }
    return settings;
}

void startTransition(Block& block) {
    auto view = block.transitionView.lock();
    if (!view || block.transition == UIViewAnimationTransitionNone) return;
    auto transition = std::make_shared<LayerTransition>();
    transition->kind = static_cast<TransitionKind>(block.transition);
    transition->duration = block.settings.duration;
    transition->before = block.before;
    transition->beforeScale = block.beforeScale;
    transition->beforeOpacity = block.beforeOpacity;
    transition->target = block.position.value_or(view->center());
    std::weak_ptr<CALayer> layer = view->layer();
    layer.lock()->setTransition(transition);
    block.group->expect();
    const double delay = std::isfinite(block.settings.delay) ? block.settings.delay : 0;
    CATransaction::whenCommitted([layer, transition, delay, group = block.group](double now) {
        transition->beginTime = now + delay;
        auto owner = layer.lock();
        NSRunLoop::mainRunLoop().addTimer(transition->beginTime + transition->effectiveDuration(),
                                          owner.get(), [layer, transition, group] {
                                              if (auto l = layer.lock();
                                                  l && l->transition() == transition)
                                                  l->setTransition(nullptr);
                                              group->stopped(true);
                                          });
    });
}

}  // namespace

void beginBlock(BlockSettings settings, UIView::Completion completion) {
    Block block;
    block.settings = inherit(settings);
    block.group = CompletionGroup::make(std::move(completion));
    blocks().push_back(std::move(block));
}

void endBlock() {
    if (blocks().empty() || blocks().back().legacy) return;
    auto group = blocks().back().group;
    blocks().pop_back();
    group->seal();
}

void beginLegacyBlock(std::string animationID, void* context) {
    Block block;
    block.settings = inherit(BlockSettings{});
    block.legacy = true;
    block.animationID = std::move(animationID);
    block.context = context;
    block.group = CompletionGroup::make(nullptr);
    blocks().push_back(std::move(block));
}

BlockSettings* legacySettings() {
    if (blocks().empty() || !blocks().back().legacy) return nullptr;
    return &blocks().back().settings;
}

void setLegacyTransition(int transition, const std::shared_ptr<UIView>& view) {
    if (!legacySettings() || !view) return;
    Block& block = blocks().back();
    block.transition = transition;
    block.transitionView = view;
    block.beforeScale = UIGraphicsGetMainScreenScale();
    block.before = renderLayerContent(*view->layer(), block.beforeScale);
    block.beforeOpacity = view->layer()->committedOpacity();
}

void setLegacyPosition(CGPoint position) {
    if (legacySettings()) blocks().back().position = position;
}

void setLegacyDelegate(const std::shared_ptr<NSObject>& delegate, SEL selector) {
    if (!legacySettings()) return;
    if (delegate) blocks().back().delegate = delegate;
    if (selector != nullptr) blocks().back().didStopSelector = selector;
}

void commitLegacyBlock() {
    if (blocks().empty() || !blocks().back().legacy) return;
    Block block = std::move(blocks().back());
    blocks().pop_back();
    for (const Change& change : block.changes) {
        if (auto layer = change.layer.lock()) {
            layer->addAnimation_forKey(makeAnimation(*layer, change.key, change.from, block),
                                       change.key);
        }
    }
    startTransition(block);
    if (!block.didStopSelector.empty()) {
        block.group->setDone([delegate = block.delegate, selector = block.didStopSelector,
                              id = block.animationID, context = block.context](bool finished) {
            if (auto target = delegate.lock()) {
                msgSend<void(const std::string&, bool, void*)>(target.get(), selector.c_str(), id,
                                                               finished, context);
            }
        });
    }
    block.group->seal();
}

CALayerDelegate::ActionResult actionForChange(CALayer& layer, std::string_view key,
                                              const AnimatableValue& oldValue) {
    if (blocks().empty() || !layer.modelValueForKeyPath(key))
        return {CALayerDelegate::Action::None, nullptr};
    Block& block = blocks().back();
    const bool fromCurrentState =
        block.settings.options & UIViewAnimationOptionBeginFromCurrentState;
    AnimatableValue from =
        fromCurrentState ? layer.presentationValueForKeyPath(key).value_or(oldValue) : oldValue;
    if (block.legacy) {
        const auto sameChange = [&](const Change& c) {
            return c.layer.lock().get() == &layer && c.key == key;
        };
        if (std::none_of(block.changes.begin(), block.changes.end(), sameChange)) {
            block.changes.push_back({std::static_pointer_cast<CALayer>(layer.shared_from_this()),
                                     std::string(key), from});
        }
        return {CALayerDelegate::Action::None, nullptr};
    }
    return {CALayerDelegate::Action::Animation, makeAnimation(layer, key, from, block)};
}

}  // namespace UIViewAnimationContext
