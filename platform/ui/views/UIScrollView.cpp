#include "platform/ui/views/UIScrollView.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/Clock.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/layers/CAMediaTimingFunction.h"
#include "platform/ui/touches/UIPanGestureRecognizer.h"
#include "platform/ui/views/detail/RepeatingTimer.h"

namespace {

constexpr double kFrameInterval = 1.0 / 60;

bool isFinite(CGPoint point) {
    return std::isfinite(point.x) && std::isfinite(point.y);
}

CGFloat finiteExtent(CGFloat extent) {
    return std::isfinite(extent) ? std::max(extent, 0.0) : 0;
}

// The resting offset along one axis: the page nearest to `offset`, or the next one in the
// direction of a flick. A finger moving towards lower coordinates (negative velocity) carries
// the content towards higher offsets.
CGFloat restingPageOffset(CGFloat offset, CGFloat page, CGFloat velocity, CGFloat maximum) {
    if (page <= 0) return offset;
    const CGFloat position = offset / page;
    CGFloat target = std::round(position);
    if (velocity <= -UIScrollView::kFlickVelocity) target = std::ceil(position);
    if (velocity >= UIScrollView::kFlickVelocity) target = std::floor(position);
    return std::clamp(target * page, 0.0, maximum);
}

}  // namespace

Class UIScrollView::classObject() {
    static const Class cls =
        defineClass<UIScrollView>("UIScrollView", UIView::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "handlePan:", +[](id self, SEL, UIGestureRecognizer*) {
                    static_cast<UIScrollView*>(self)->handlePan();
                });
        });
    return cls;
}

UIScrollView::UIScrollView() : pan_(std::make_shared<UIPanGestureRecognizer>()) {}

UIScrollView::UIScrollView(CGRect frame)
    : UIView(frame), pan_(std::make_shared<UIPanGestureRecognizer>()) {}

UIScrollView::~UIScrollView() = default;

void UIScrollView::setContentSize(CGSize size) {
    contentSize_ = {finiteExtent(size.width), finiteExtent(size.height)};
}

void UIScrollView::setContentOffset(CGPoint offset) {
    if (!isFinite(offset)) return;
    stopAnimation();
    applyOffset(offset);
}

void UIScrollView::setContentOffset_animated(CGPoint offset, bool animated) {
    if (!animated || !isFinite(offset)) {
        setContentOffset(offset);
        return;
    }
    stopAnimation();
    const CGPoint from = contentOffset();
    if (from == offset) return;
    static const auto curve =
        CAMediaTimingFunction::functionWithName(kCAMediaTimingFunctionEaseOut);
    const double start = NSDate::now();
    animation_ = std::make_unique<RepeatingTimer>(kFrameInterval, [this, from, offset, start] {
        const double time = (NSDate::now() - start) / kScrollAnimationDuration;
        if (time >= 1) {
            stopAnimation();
            applyOffset(offset);
            return;
        }
        const double progress = curve->valueAt(time);
        applyOffset(
            {from.x + (offset.x - from.x) * progress, from.y + (offset.y - from.y) * progress});
    });
}

bool UIScrollView::isScrollEnabled() const {
    return pan_->isEnabled();
}

void UIScrollView::setScrollEnabled(bool enabled) {
    pan_->setEnabled(enabled);
}

void UIScrollView::didMoveToWindow() {
    // The recogniser needs this view in a shared_ptr, which the constructor does not have; no
    // touch can arrive before the view is in a window.
    if (!window() || panAttached_) return;
    panAttached_ = true;
    const auto self = std::static_pointer_cast<UIScrollView>(shared_from_this());
    pan_->addTarget_action(self, "handlePan:");
    pan_->setDelegate(std::shared_ptr<UIGestureRecognizerDelegate>(self, self.get()));
    addGestureRecognizer(pan_);
}

bool UIScrollView::gestureRecognizerShouldBegin(UIGestureRecognizer* recognizer) {
    if (recognizer != pan_.get()) return true;
    const CGPoint velocity = pan_->velocityInView(this);
    const CGPoint maximum = maximumOffset();
    const bool horizontal = std::abs(velocity.x) >= std::abs(velocity.y);
    return horizontal ? maximum.x > 0 : maximum.y > 0;
}

void UIScrollView::handlePan() {
    switch (pan_->state()) {
        case UIGestureRecognizerStateBegan:
            stopAnimation();
            dragging_ = true;
            dragStartOffset_ = contentOffset();
            // The content starts moving from here rather than jumping by the movement it took
            // to tell a drag from a tap.
            pan_->setTranslation_inView(CGPointZero, this);
            break;
        case UIGestureRecognizerStateChanged:
        case UIGestureRecognizerStateEnded: {
            const CGPoint moved = pan_->translationInView(this);
            applyOffset(
                clampedOffset({dragStartOffset_.x - moved.x, dragStartOffset_.y - moved.y}));
            if (pan_->state() == UIGestureRecognizerStateEnded) endDrag(pan_->velocityInView(this));
            break;
        }
        case UIGestureRecognizerStateCancelled:
            endDrag(CGPointZero);
            break;
        default:
            break;
    }
}

void UIScrollView::endDrag(CGPoint velocity) {
    dragging_ = false;
    if (pagingEnabled_) setContentOffset_animated(restingOffset(velocity), true);
}

void UIScrollView::stopAnimation() {
    animation_.reset();
}

void UIScrollView::applyOffset(CGPoint offset) {
    const CGRect bounds = this->bounds();
    if (offset == bounds.origin) return;
    setBounds({offset, bounds.size});
    if (auto observer = delegate()) observer->scrollViewDidScroll(this);
}

CGPoint UIScrollView::maximumOffset() const {
    const CGSize visible = bounds().size;
    return {std::max(contentSize_.width - visible.width, 0.0),
            std::max(contentSize_.height - visible.height, 0.0)};
}

CGPoint UIScrollView::clampedOffset(CGPoint offset) const {
    const CGPoint maximum = maximumOffset();
    return {std::clamp(offset.x, 0.0, maximum.x), std::clamp(offset.y, 0.0, maximum.y)};
}

CGPoint UIScrollView::restingOffset(CGPoint velocity) const {
    const CGPoint offset = contentOffset();
    const CGSize page = bounds().size;
    const CGPoint maximum = maximumOffset();
    return {restingPageOffset(offset.x, page.width, velocity.x, maximum.x),
            restingPageOffset(offset.y, page.height, velocity.y, maximum.y)};
}
