#include "platform/ui/views/UIView.h"

#include <algorithm>

#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/touches/UIGestureRecognizer.h"
#include "platform/ui/views/UIViewAnimationContext.h"
#include "platform/ui/views/UIWindow.h"

Class UIView::classObject() {
    static const Class cls =
        defineClass<UIView>("UIView", UIResponder::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "layoutSubviews",
                +[](id self, SEL) { static_cast<UIView*>(self)->layoutSubviews(); });
            c.addMethod(
                "didMoveToWindow",
                +[](id self, SEL) { static_cast<UIView*>(self)->didMoveToWindow(); });
            c.addMethod(
                "didMoveToSuperview",
                +[](id self, SEL) { static_cast<UIView*>(self)->didMoveToSuperview(); });
        });
    return cls;
}

UIView::UIView() : layer_(CALayer::layer()) {
    layer_->setAnimatesImplicitly(false);
}

UIView::UIView(CGRect frame) : UIView() {
    layer_->setFrame(frame);
}

UIView::~UIView() {
    for (const auto& subview : subviews_) subview->superview_.reset();
}

const std::shared_ptr<CALayer>& UIView::layer() const {
    // The delegate is bound on first use after construction, when the view is owned by a
    // shared_ptr and can hand out a weak reference to itself.
    if (!layer_->delegate()) {
        if (auto self = std::const_pointer_cast<UIView>(
                std::static_pointer_cast<const UIView>(weak_from_this().lock()))) {
            layer_->setDelegate(std::shared_ptr<CALayerDelegate>(self, self.get()));
        }
    }
    return layer_;
}

// Geometry

void UIView::setFrame(CGRect frame) {
    const CGSize oldSize = bounds().size;
    layer()->setFrame(frame);
    resizeSubviews(oldSize);
}

void UIView::setBounds(CGRect bounds) {
    const CGSize oldSize = this->bounds().size;
    layer()->setBounds(bounds);
    resizeSubviews(oldSize);
}

void UIView::setCenter(CGPoint center) {
    layer()->setPosition(center);
}

CGAffineTransform UIView::transform() const {
    return CATransform3DGetAffineTransform(layer_->transform());
}

void UIView::setTransform(const CGAffineTransform& transform) {
    layer()->setTransform(CATransform3DMakeAffineTransform(transform));
}

void UIView::setAlpha(CGFloat alpha) {
    layer()->setOpacity(static_cast<float>(alpha));
}

void UIView::setHidden(bool hidden) {
    layer()->setHidden(hidden);
}

void UIView::setBackgroundColor(std::shared_ptr<UIColor> color) {
    backgroundColor_ = std::move(color);
    layer()->setBackgroundColor(backgroundColor_ ? backgroundColor_->CGColor() : nullptr);
}

void UIView::sizeToFit() {
    const CGRect frame = this->frame();
    setFrame({frame.origin, sizeThatFits(frame.size)});
}

void UIView::resizeSubviews(CGSize oldSize) {
    const CGSize newSize = bounds().size;
    if (!autoresizesSubviews_ || oldSize == newSize) return;
    for (const auto& subview : subviews_) subview->autoresize(oldSize, newSize);
}

void UIView::autoresize(CGSize oldSuperviewSize, CGSize newSuperviewSize) {
    if (autoresizingMask_ == UIViewAutoresizingNone) return;
    // Share the superview's change in each axis among the flexible parts, in proportion to them.
    auto resizeAxis = [](CGFloat origin, CGFloat size, CGFloat oldTotal, CGFloat newTotal,
                         bool flexibleLow, bool flexibleSize, bool flexibleHigh) {
        const CGFloat delta = newTotal - oldTotal;
        const CGFloat high = oldTotal - origin - size;
        const CGFloat flexible =
            (flexibleLow ? origin : 0) + (flexibleSize ? size : 0) + (flexibleHigh ? high : 0);
        const int parts = flexibleLow + flexibleSize + flexibleHigh;
        if (parts == 0) return std::pair{origin, size};
        auto share = [&](bool isFlexible, CGFloat extent) {
            if (!isFlexible) return 0.0;
            return flexible > 0 ? delta * extent / flexible : delta / parts;
        };
        return std::pair{origin + share(flexibleLow, origin), size + share(flexibleSize, size)};
    };
    CGRect frame = this->frame();
    const unsigned mask = autoresizingMask_;
    auto [x, width] = resizeAxis(
        frame.origin.x, frame.size.width, oldSuperviewSize.width, newSuperviewSize.width,
        mask & UIViewAutoresizingFlexibleLeftMargin, mask & UIViewAutoresizingFlexibleWidth,
        mask & UIViewAutoresizingFlexibleRightMargin);
    auto [y, height] = resizeAxis(
        frame.origin.y, frame.size.height, oldSuperviewSize.height, newSuperviewSize.height,
        mask & UIViewAutoresizingFlexibleTopMargin, mask & UIViewAutoresizingFlexibleHeight,
        mask & UIViewAutoresizingFlexibleBottomMargin);
    setFrame({{x, y}, {width, height}});
}

// The tree

std::shared_ptr<UIWindow> UIView::window() const {
    for (const UIView* view = this; view != nullptr; view = view->superview_.lock().get()) {
        if (view->isKindOfClass(UIWindow::classObject())) {
            auto owned = std::const_pointer_cast<NSObject>(view->weak_from_this().lock());
            return std::static_pointer_cast<UIWindow>(owned);
        }
    }
    return nullptr;
}

void UIView::addSubview(const std::shared_ptr<UIView>& view) {
    insertSubview_atIndex(view, subviews_.size());
}

void UIView::insertSubview_atIndex(const std::shared_ptr<UIView>& view, size_t index) {
    if (!view || view.get() == this) return;
    const std::shared_ptr<UIView> keep = view;
    if (const auto leaving = keep->window(); leaving && leaving != window()) {
        keep->resignFirstResponderBeforeLeavingWindow();  // may change the tree
    }
    const auto oldWindow = keep->window();
    const bool sameSuperview = keep->superview().get() == this;
    if (sameSuperview) {
        auto it = std::find(subviews_.begin(), subviews_.end(), keep);
        const size_t current = static_cast<size_t>(it - subviews_.begin());
        subviews_.erase(it);
        if (index > current) --index;
    } else if (auto previous = keep->superview()) {
        auto& siblings = previous->subviews_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), keep), siblings.end());
    }
    index = std::min(index, subviews_.size());
    subviews_.insert(subviews_.begin() + static_cast<std::ptrdiff_t>(index), keep);
    keep->superview_ = std::static_pointer_cast<UIView>(shared_from_this());
    // The sublayer goes just below the layer of the subview above it, or on top of all sublayers,
    // so that layers a view keeps of its own (not a subview's) stay where they are.
    if (sameSuperview) keep->layer()->removeFromSuperlayer();
    const auto& sublayers = layer()->sublayers();
    size_t layerIndex = sublayers.size();
    if (index + 1 < subviews_.size()) {
        auto above = std::find(sublayers.begin(), sublayers.end(), subviews_[index + 1]->layer());
        layerIndex = static_cast<size_t>(above - sublayers.begin());
    }
    layer()->insertSublayer_atIndex(keep->layer(), layerIndex);
    if (!sameSuperview) msgSend<void()>(keep.get(), "didMoveToSuperview");
    keep->moveToWindow(oldWindow);
}

void UIView::removeFromSuperview() {
    if (superview() && window()) resignFirstResponderBeforeLeavingWindow();  // may change the tree
    auto parent = superview();
    if (!parent) return;
    const auto oldWindow = window();
    const auto keep = std::static_pointer_cast<UIView>(shared_from_this());
    auto& siblings = parent->subviews_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), keep), siblings.end());
    superview_.reset();
    layer_->removeFromSuperlayer();
    msgSend<void()>(this, "didMoveToSuperview");
    moveToWindow(oldWindow);
}

void UIView::moveToWindow(const std::shared_ptr<UIWindow>& oldWindow) {
    if (window() == oldWindow) return;
    msgSend<void()>(this, "didMoveToWindow");
    const auto children = subviews_;  // the notifications may change the tree
    for (const auto& subview : children) subview->moveToWindow(oldWindow);
}

void UIView::resignFirstResponderBeforeLeavingWindow() {
    const auto responder = std::dynamic_pointer_cast<UIView>(UIResponder::currentFirstResponder());
    if (responder && responder->isDescendantOfView(this)) responder->resignFirstResponder();
}

void UIView::bringSubviewToFront(const std::shared_ptr<UIView>& view) {
    if (view && view->superview().get() == this) insertSubview_atIndex(view, subviews_.size());
}

void UIView::sendSubviewToBack(const std::shared_ptr<UIView>& view) {
    if (view && view->superview().get() == this) insertSubview_atIndex(view, 0);
}

bool UIView::isDescendantOfView(const UIView* view) const {
    for (const UIView* v = this; v != nullptr; v = v->superview_.lock().get()) {
        if (v == view) return true;
    }
    return false;
}

UIResponder* UIView::nextResponder() const {
    return superview().get();
}

// Geometry between views

namespace {

CGPoint anchorInBounds(const CALayer& layer) {
    const CGRect bounds = layer.bounds();
    return {bounds.origin.x + layer.anchorPoint().x * bounds.size.width,
            bounds.origin.y + layer.anchorPoint().y * bounds.size.height};
}

// From a layer's bounds coordinates to its superlayer's, and back.
CGPoint toSuperlayer(const CALayer& layer, CGPoint point) {
    const CGPoint anchor = anchorInBounds(layer);
    const CGPoint moved =
        CATransform3DApplyToPoint(layer.transform(), {point.x - anchor.x, point.y - anchor.y});
    return {moved.x + layer.position().x, moved.y + layer.position().y};
}

CGPoint fromSuperlayer(const CALayer& layer, CGPoint point) {
    const CGPoint anchor = anchorInBounds(layer);
    const CGPoint local =
        CATransform3DApplyToPoint(CATransform3DInvert(layer.transform()),
                                  {point.x - layer.position().x, point.y - layer.position().y});
    return {local.x + anchor.x, local.y + anchor.y};
}

// The chain from a view up to its root, the view first.
std::vector<const UIView*> ancestry(const UIView* view) {
    std::vector<const UIView*> chain;
    for (; view != nullptr; view = view->superview().get()) chain.push_back(view);
    return chain;
}

// In the coordinates that the root's frame is in (the screen, for a window).
CGPoint toRootSpace(const UIView* view, CGPoint point) {
    for (const UIView* v : ancestry(view)) point = toSuperlayer(*v->layer(), point);
    return point;
}

CGPoint fromRootSpace(const UIView* view, CGPoint point) {
    auto chain = ancestry(view);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        point = fromSuperlayer(*(*it)->layer(), point);
    return point;
}

const UIView* rootOf(const UIView* view) {
    return ancestry(view).back();
}

CGRect boundingBox(const CGPoint (&corners)[4]) {
    CGFloat minX = corners[0].x, maxX = corners[0].x, minY = corners[0].y, maxY = corners[0].y;
    for (const CGPoint& p : corners) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    return {{minX, minY}, {maxX - minX, maxY - minY}};
}

}  // namespace

CGPoint UIView::convertPoint_toView(CGPoint point, const UIView* view) const {
    const CGPoint shared = toRootSpace(this, point);
    return fromRootSpace(view != nullptr ? view : rootOf(this), shared);
}

CGPoint UIView::convertPoint_fromView(CGPoint point, const UIView* view) const {
    const CGPoint shared = toRootSpace(view != nullptr ? view : rootOf(this), point);
    return fromRootSpace(this, shared);
}

CGRect UIView::convertRect_toView(CGRect rect, const UIView* view) const {
    rect = CGRectStandardize(rect);
    const CGPoint corners[4] = {
        convertPoint_toView(rect.origin, view),
        convertPoint_toView({CGRectGetMaxX(rect), rect.origin.y}, view),
        convertPoint_toView({rect.origin.x, CGRectGetMaxY(rect)}, view),
        convertPoint_toView({CGRectGetMaxX(rect), CGRectGetMaxY(rect)}, view),
    };
    return boundingBox(corners);
}

CGRect UIView::convertRect_fromView(CGRect rect, const UIView* view) const {
    rect = CGRectStandardize(rect);
    const CGPoint corners[4] = {
        convertPoint_fromView(rect.origin, view),
        convertPoint_fromView({CGRectGetMaxX(rect), rect.origin.y}, view),
        convertPoint_fromView({rect.origin.x, CGRectGetMaxY(rect)}, view),
        convertPoint_fromView({CGRectGetMaxX(rect), CGRectGetMaxY(rect)}, view),
    };
    return boundingBox(corners);
}

// Hit testing

std::shared_ptr<UIView> UIView::hitTest_withEvent(CGPoint point, UIEvent* event) {
    // An opacity that is not a number draws nothing, so it takes no touches either.
    if (isHidden() || !userInteractionEnabled_ || !(alpha() >= 0.01) ||
        !pointInside_withEvent(point, event)) {
        return nullptr;
    }
    for (auto it = subviews_.rbegin(); it != subviews_.rend(); ++it) {
        const auto& subview = *it;
        if (auto hit =
                subview->hitTest_withEvent(subview->convertPoint_fromView(point, this), event))
            return hit;
    }
    return std::static_pointer_cast<UIView>(shared_from_this());
}

bool UIView::pointInside_withEvent(CGPoint point, UIEvent*) const {
    return CGRectContainsPoint(bounds(), point);
}

// Gesture recognisers

void UIView::addGestureRecognizer(const std::shared_ptr<UIGestureRecognizer>& recognizer) {
    if (!recognizer || recognizer->view().get() == this) return;
    if (auto previous = recognizer->view()) previous->removeGestureRecognizer(recognizer);
    gestureRecognizers_.push_back(recognizer);
    recognizer->setView(std::static_pointer_cast<UIView>(shared_from_this()));
}

void UIView::removeGestureRecognizer(const std::shared_ptr<UIGestureRecognizer>& recognizer) {
    auto it = std::find(gestureRecognizers_.begin(), gestureRecognizers_.end(), recognizer);
    if (it == gestureRecognizers_.end()) return;
    const auto keep = *it;
    gestureRecognizers_.erase(it);
    keep->setView(nullptr);
}

// Layer delegate

bool UIView::layerDrawsContent(const CALayer*) const {
    // As on the platform: only views whose class implements drawRect: get a backing store.
    return class_respondsToSelector(objectClass(), "drawRect:");
}

void UIView::drawLayer_inContext(CALayer*, const CGContextRef&) {
    drawRect(bounds());
}

void UIView::layoutSublayersOfLayer(CALayer*) {
    msgSend<void()>(this, "layoutSubviews");
}

CALayerDelegate::ActionResult UIView::actionForLayer_forKey(CALayer* layer, std::string_view key,
                                                            const AnimatableValue& oldValue) {
    return UIViewAnimationContext::actionForChange(*layer, key, oldValue);
}
