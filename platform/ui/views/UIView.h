#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/CGAffineTransform.h"
#include "platform/ui/layers/CALayer.h"
#include "platform/ui/touches/UIResponder.h"
#include "platform/ui/views/UIViewAnimationOptions.h"

class UIColor;
class UIEvent;
class UIGestureRecognizer;
class UIWindow;

// A rectangle of the screen backed by a layer: geometry, appearance, a subview tree, layout,
// drawing and hit testing. Ownership: a view owns its layer, its subviews and its gesture
// recognisers; its superview is a weak reference. Views live in std::shared_ptr. Main thread only.
//
// layoutSubviews, didMoveToWindow and didMoveToSuperview are sent through the runtime, so a hook
// on a view class changes them for every instance. A subclass that draws overrides drawRect and
// registers "drawRect:" with its runtime class; only such views get a backing store.
class UIView : public UIResponder, public CALayerDelegate {
    RUNTIME_CLASS(UIView)
    UIView();
    explicit UIView(CGRect frame);
    ~UIView() override;

    // The layer, with this view as its delegate.
    const std::shared_ptr<CALayer>& layer() const;

    CGRect frame() const { return layer_->frame(); }
    void setFrame(CGRect frame);
    CGRect bounds() const { return layer_->bounds(); }
    void setBounds(CGRect bounds);
    CGPoint center() const { return layer_->position(); }
    void setCenter(CGPoint center);
    CGAffineTransform transform() const;
    void setTransform(const CGAffineTransform& transform);
    CGFloat alpha() const { return layer_->opacity(); }
    void setAlpha(CGFloat alpha);
    bool isHidden() const { return layer_->isHidden(); }
    void setHidden(bool hidden);
    const std::shared_ptr<UIColor>& backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(std::shared_ptr<UIColor> color);
    bool isUserInteractionEnabled() const { return userInteractionEnabled_; }
    void setUserInteractionEnabled(bool enabled) { userInteractionEnabled_ = enabled; }
    bool clipsToBounds() const { return layer_->masksToBounds(); }
    void setClipsToBounds(bool clips) { layer()->setMasksToBounds(clips); }
    bool isOpaque() const { return layer_->isOpaque(); }
    void setOpaque(bool opaque) { layer()->setOpaque(opaque); }
    unsigned autoresizingMask() const { return autoresizingMask_; }
    void setAutoresizingMask(unsigned mask) { autoresizingMask_ = mask; }
    bool autoresizesSubviews() const { return autoresizesSubviews_; }
    void setAutoresizesSubviews(bool autoresizes) { autoresizesSubviews_ = autoresizes; }
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    // The tree.
    std::shared_ptr<UIView> superview() const { return superview_.lock(); }
    const std::vector<std::shared_ptr<UIView>>& subviews() const { return subviews_; }
    // The window the view is in, if any.
    std::shared_ptr<UIWindow> window() const;
    void addSubview(const std::shared_ptr<UIView>& view);
    void insertSubview_atIndex(const std::shared_ptr<UIView>& view, size_t index);
    void removeFromSuperview();
    void bringSubviewToFront(const std::shared_ptr<UIView>& view);
    void sendSubviewToBack(const std::shared_ptr<UIView>& view);
    bool isDescendantOfView(const UIView* view) const;
    UIResponder* nextResponder() const override;

    virtual void didMoveToWindow() {}
    virtual void didMoveToSuperview() {}

    // Layout: layoutSubviews runs when the layer lays out, after setNeedsLayout (or a size
    // change). Autoresizing subviews follow their superview's size at once.
    virtual void layoutSubviews() {}
    void setNeedsLayout() { layer()->setNeedsLayout(); }
    void layoutIfNeeded() { layer()->layoutIfNeeded(); }
    virtual CGSize sizeThatFits(CGSize) const { return bounds().size; }
    void sizeToFit();

    // Drawing into the backing store, in the view's bounds (points, y down).
    virtual void drawRect(CGRect) {}
    void setNeedsDisplay() { layer()->setNeedsDisplay(); }

    // Geometry between views; a null view means the view's window (its root) coordinates.
    CGPoint convertPoint_toView(CGPoint point, const UIView* view) const;
    CGPoint convertPoint_fromView(CGPoint point, const UIView* view) const;
    CGRect convertRect_toView(CGRect rect, const UIView* view) const;
    CGRect convertRect_fromView(CGRect rect, const UIView* view) const;

    // The deepest view at `point` (in this view's coordinates) that takes touches: hidden views,
    // views with alpha below 0.01 and views with interaction off are skipped with their subviews.
    virtual std::shared_ptr<UIView> hitTest_withEvent(CGPoint point, UIEvent* event);
    virtual bool pointInside_withEvent(CGPoint point, UIEvent* event) const;

    // Gesture recognisers: the view keeps them, and they see the touches that land in its
    // subtree before the touched view does. A recogniser moves from any view it was on.
    void addGestureRecognizer(const std::shared_ptr<UIGestureRecognizer>& recognizer);
    void removeGestureRecognizer(const std::shared_ptr<UIGestureRecognizer>& recognizer);
    const std::vector<std::shared_ptr<UIGestureRecognizer>>& gestureRecognizers() const {
        return gestureRecognizers_;
    }

    // Animation blocks (UIViewAnimations.cpp). Changes of frame, bounds, center, transform and
    // alpha made inside the block animate; the completion is told whether every animation ran
    // to its end.
    using Animations = std::function<void()>;
    using Completion = std::function<void(bool finished)>;
    static void animateWithDuration_animations(double duration, const Animations& animations);
    static void animateWithDuration_animations_completion(double duration,
                                                          const Animations& animations,
                                                          Completion completion);
    static void animateWithDuration_delay_options_animations_completion(
        double duration, double delay, unsigned long options, const Animations& animations,
        Completion completion);
    static void
    animateWithDuration_delay_usingSpringWithDamping_initialSpringVelocity_options_animations_completion(
        double duration, double delay, double dampingRatio, double velocity, unsigned long options,
        const Animations& animations, Completion completion);

    // The older blocks: changes between begin and commit animate with the block's settings as they
    // are at commit; a transition animates the view from how it looked when it was set.
    static void beginAnimations_context(const std::string& animationID, void* context);
    static void commitAnimations();
    static void setAnimationDuration(double duration);
    static void setAnimationDelay(double delay);
    static void setAnimationCurve(UIViewAnimationCurve curve);
    static void setAnimationBeginsFromCurrentState(bool fromCurrentState);
    static void setAnimationTransition_forView_cache(int transition,
                                                     const std::shared_ptr<UIView>& view,
                                                     bool cache);
    static void setAnimationPosition(CGPoint position);
    // The delegate (not owned) is sent the selector, with the signature
    // void(const std::string& animationID, bool finished, void* context), when the block ends.
    static void setAnimationDelegate(const std::shared_ptr<NSObject>& delegate);
    static void setAnimationDidStopSelector(SEL selector);

    // CALayerDelegate.
    bool layerDrawsContent(const CALayer* layer) const override;
    void drawLayer_inContext(CALayer* layer, const CGContextRef& context) override;
    void layoutSublayersOfLayer(CALayer* layer) override;
    ActionResult actionForLayer_forKey(CALayer* layer, std::string_view key,
                                       const AnimatableValue& oldValue) override;

private:
    void resizeSubviews(CGSize oldSize);
    void autoresize(CGSize oldSuperviewSize, CGSize newSuperviewSize);
    void moveToWindow(const std::shared_ptr<UIWindow>& oldWindow);
    // Before this subtree leaves its window: the first responder inside it resigns, so its
    // end-of-editing work runs while the tree is still whole.
    void resignFirstResponderBeforeLeavingWindow();

    std::shared_ptr<CALayer> layer_;
    std::vector<std::shared_ptr<UIView>> subviews_;
    std::weak_ptr<UIView> superview_;
    std::shared_ptr<UIColor> backgroundColor_;
    std::vector<std::shared_ptr<UIGestureRecognizer>> gestureRecognizers_;
    bool userInteractionEnabled_ = true;
    bool autoresizesSubviews_ = true;
    unsigned autoresizingMask_ = UIViewAutoresizingNone;
    int tag_ = 0;
};
