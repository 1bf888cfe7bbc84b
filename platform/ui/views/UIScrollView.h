#pragma once

#include <memory>

#include "platform/ui/touches/UIGestureRecognizerDelegate.h"
#include "platform/ui/views/UIView.h"

class RepeatingTimer;
class UIPanGestureRecognizer;
class UIScrollView;

// Told as a scroll view moves; every operation is optional.
class UIScrollViewDelegate {
public:
    virtual ~UIScrollViewDelegate() = default;
    // After every change of the content offset: each step of a drag or of an animated scroll.
    virtual void scrollViewDidScroll(UIScrollView*) {}
};

// Shows a part of content larger than itself: the content offset is the origin of its bounds,
// so its subviews (the content) move the other way as it scrolls. A finger dragged over it
// scrolls it, within the content and without bouncing at its edges, unless a recogniser of a
// subview takes the touch first; it does not take drags along an axis it cannot scroll, so they
// reach recognisers further up. With paging, a drag settles on the nearest page (a page is the
// bounds' size), or on the next page in the direction of a quick flick.
//
// Ownership: the pan recogniser that drags it is its own (attached when it first enters a
// window); the delegate is not owned.
class UIScrollView : public UIView, public UIGestureRecognizerDelegate {
    RUNTIME_CLASS(UIScrollView)
    UIScrollView();
    explicit UIScrollView(CGRect frame);
    ~UIScrollView() override;

    CGSize contentSize() const { return contentSize_; }
    // Sizes that are not finite or are negative count as zero.
    void setContentSize(CGSize size);
    CGPoint contentOffset() const { return bounds().origin; }
    // Points that are not finite are ignored. Ends an animated scroll under way.
    void setContentOffset(CGPoint offset);
    // Animated: eases to the offset over kScrollAnimationDuration, telling the delegate at each
    // step.
    void setContentOffset_animated(CGPoint offset, bool animated);

    bool isPagingEnabled() const { return pagingEnabled_; }
    void setPagingEnabled(bool enabled) { pagingEnabled_ = enabled; }
    bool isScrollEnabled() const;
    void setScrollEnabled(bool enabled);
    // While a finger drags the content.
    bool isDragging() const { return dragging_; }

    std::shared_ptr<UIScrollViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<UIScrollViewDelegate>& delegate) {
        delegate_ = delegate;
    }
    const std::shared_ptr<UIPanGestureRecognizer>& panGestureRecognizer() const { return pan_; }

    static constexpr double kScrollAnimationDuration = 0.3;
    // Points a second at which a lifted finger carries a paging scroll view to the next page.
    static constexpr CGFloat kFlickVelocity = 250;

    void didMoveToWindow() override;
    // UIGestureRecognizerDelegate: the drag begins only along an axis the content scrolls in.
    bool gestureRecognizerShouldBegin(UIGestureRecognizer* recognizer) override;

protected:
    // After every change of the content offset, before the delegate hears of it: subclasses
    // that lay out content as it scrolls into view do it here.
    virtual void contentOffsetDidChange() {}

private:
    void handlePan();
    void endDrag(CGPoint velocity);
    void stopAnimation();
    void applyOffset(CGPoint offset);
    // The furthest offset the content allows, per axis.
    CGPoint maximumOffset() const;
    CGPoint clampedOffset(CGPoint offset) const;
    // Where a drag lifted at `velocity` comes to rest.
    CGPoint restingOffset(CGPoint velocity) const;

    CGSize contentSize_{};
    bool pagingEnabled_ = false;
    bool dragging_ = false;
    bool panAttached_ = false;
    CGPoint dragStartOffset_{};
    std::shared_ptr<UIPanGestureRecognizer> pan_;
    std::weak_ptr<UIScrollViewDelegate> delegate_;
    std::unique_ptr<RepeatingTimer> animation_;
};
