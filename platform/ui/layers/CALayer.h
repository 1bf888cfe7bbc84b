#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/CGColor.h"
#include "platform/graphics/CGContext.h"
#include "platform/graphics/CGImage.h"
#include "platform/runtime/NSObject.h"
#include "platform/ui/layers/AnimatableValue.h"
#include "platform/ui/layers/CATransform3D.h"

class CAAnimation;
class CALayer;
struct LayerTransition;

// What a layer asks of the object that manages it (a view): to draw its contents, to lay out its
// sublayers, and which animation, if any, a property change should make.
class CALayerDelegate {
public:
    enum class Action { Default, None, Animation };
    struct ActionResult {
        Action action = Action::Default;
        std::shared_ptr<CAAnimation> animation;
    };

    virtual ~CALayerDelegate() = default;
    // Whether the delegate draws the layer's content at all; layers that nobody draws keep no
    // backing store.
    virtual bool layerDrawsContent(const CALayer*) const { return false; }
    virtual void drawLayer_inContext(CALayer*, const CGContextRef&) {}
    virtual void layoutSublayersOfLayer(CALayer*) {}
    // The action for a change of `key` from `oldValue`. Default lets the layer animate implicitly.
    virtual ActionResult actionForLayer_forKey(CALayer*, std::string_view, const AnimatableValue&) {
        return {};
    }
};

// The values of a layer on screen at one moment: its model values with the running animations
// applied.
struct LayerPresentation {
    CGRect bounds;
    CGPoint position;
    CGPoint anchorPoint;
    CATransform3D transform;
    double opacity = 1;
};

// A rectangle of content in a tree. Model values change at once; what is on screen (the
// presentation) follows the layer's animations. Ownership: a layer owns its sublayers; its
// superlayer, its delegate and animation delegates are not owned. Layers always live in a
// std::shared_ptr. Main thread only.
class CALayer : public NSObject {
public:
    static std::shared_ptr<CALayer> layer();
    CALayer() = default;
    ~CALayer() override;

    // Geometry. The frame is derived: the bounds placed so that the anchor point (a fraction of the
    // bounds) sits at the position in the superlayer, through the transform.
    CGRect bounds() const { return bounds_; }
    void setBounds(CGRect bounds);
    CGPoint position() const { return position_; }
    void setPosition(CGPoint position);
    CGPoint anchorPoint() const { return anchorPoint_; }
    void setAnchorPoint(CGPoint anchorPoint);
    CATransform3D transform() const { return transform_; }
    void setTransform(const CATransform3D& transform);
    CGRect frame() const;
    void setFrame(CGRect frame);

    // Appearance.
    float opacity() const { return opacity_; }
    void setOpacity(float opacity);
    // The opacity as it stood before the current turn's changes: what is on screen now.
    float committedOpacity() const;
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);
    const CGColorRef& backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(CGColorRef color);
    CGFloat cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(CGFloat radius);
    bool masksToBounds() const { return masksToBounds_; }
    void setMasksToBounds(bool masks);
    const CGImageRef& contents() const { return contents_; }
    void setContents(CGImageRef contents);
    CGFloat contentsScale() const { return contentsScale_; }
    void setContentsScale(CGFloat scale);
    const CGColorRef& shadowColor() const { return shadowColor_; }
    void setShadowColor(CGColorRef color);
    CGSize shadowOffset() const { return shadowOffset_; }
    void setShadowOffset(CGSize offset);
    float shadowOpacity() const { return shadowOpacity_; }
    void setShadowOpacity(float opacity);
    CGFloat shadowRadius() const { return shadowRadius_; }
    void setShadowRadius(CGFloat radius);
    bool isOpaque() const { return opaque_; }
    void setOpaque(bool opaque);
    // A view's layer never animates on its own: only its view (through the delegate) decides,
    // also before the view has become the delegate.
    void setAnimatesImplicitly(bool animates) { animatesImplicitly_ = animates; }
    bool needsDisplayOnBoundsChange() const { return needsDisplayOnBoundsChange_; }
    void setNeedsDisplayOnBoundsChange(bool needs) { needsDisplayOnBoundsChange_ = needs; }

    // The tree.
    const std::vector<std::shared_ptr<CALayer>>& sublayers() const { return sublayers_; }
    std::shared_ptr<CALayer> superlayer() const { return superlayer_.lock(); }
    void addSublayer(const std::shared_ptr<CALayer>& layer);
    void insertSublayer_atIndex(const std::shared_ptr<CALayer>& layer, size_t index);
    void removeFromSuperlayer();
    std::shared_ptr<CALayerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<CALayerDelegate>& delegate) { delegate_ = delegate; }

    // Drawn content: kept until marked for redisplay (or resized, when asked to), redrawn on
    // demand by drawInContext:, which by default asks the delegate.
    void setNeedsDisplay();
    bool needsDisplay() const { return needsDisplay_; }
    virtual void drawInContext(const CGContextRef& context);
    // The drawn content at the layer's current size and contents scale; null when nothing draws.
    CGImageRef backingImage();
    // Whether drawInContext: does anything: subclasses that draw say so, and so does a delegate.
    virtual bool drawsContent() const;

    void setNeedsLayout();
    bool needsLayout() const { return needsLayout_; }
    void layoutIfNeeded();
    virtual void layoutSublayers();

    // Animations, in the order added; an animation added under a key in use replaces the old one
    // (CALayerAnimations.cpp).
    void addAnimation_forKey(const std::shared_ptr<CAAnimation>& animation, const std::string& key);
    std::shared_ptr<CAAnimation> animationForKey(std::string_view key) const;
    std::vector<std::string> animationKeys() const;
    void removeAnimationForKey(std::string_view key);
    void removeAllAnimations();
    bool hasRunningAnimations() const;

    // Values on screen now (the clock's time), and one animatable key path's value
    // (CALayerPresentation.cpp).
    LayerPresentation presentation() const;
    std::optional<AnimatableValue> presentationValueForKeyPath(std::string_view keyPath) const;
    std::optional<AnimatableValue> modelValueForKeyPath(std::string_view keyPath) const;

    // A view transition running on this layer, drawn by the compositor in its place.
    const std::shared_ptr<LayerTransition>& transition() const { return transition_; }
    void setTransition(std::shared_ptr<LayerTransition> transition);

    // Counts every change that can alter what is on screen, process-wide, so that a renderer can
    // tell when a frame would be the same as the last.
    static std::uint64_t changeCount();

protected:
    // Asks for the action of a change of `key` and starts it.
    void didChangeValue(std::string_view key, const AnimatableValue& oldValue);

private:
    struct AnimationRecord;
    static void noteChange();
    void finishAnimation(std::uint64_t id);
    void stopRecord(std::vector<AnimationRecord>::iterator record, bool finished);
    AnimatableValue presentationValue(std::string_view keyPath, AnimatableValue model) const;

    CGRect bounds_{};
    CGPoint position_{};
    CGPoint anchorPoint_{0.5, 0.5};
    CATransform3D transform_ = CATransform3DIdentity;
    float opacity_ = 1;
    float committedOpacity_ = 1;
    std::uint64_t committedGeneration_ = 0;
    bool hidden_ = false;
    CGColorRef backgroundColor_;
    CGFloat cornerRadius_ = 0;
    bool masksToBounds_ = false;
    CGImageRef contents_;
    CGFloat contentsScale_ = 1;
    CGColorRef shadowColor_;
    CGSize shadowOffset_{0, -3};
    float shadowOpacity_ = 0;
    CGFloat shadowRadius_ = 3;
    bool opaque_ = false;
    bool needsDisplayOnBoundsChange_ = false;
    bool animatesImplicitly_ = true;

    std::vector<std::shared_ptr<CALayer>> sublayers_;
    std::weak_ptr<CALayer> superlayer_;
    std::weak_ptr<CALayerDelegate> delegate_;

    bool needsDisplay_ = false;
    bool needsLayout_ = false;
    CGImageRef backingImage_;

    std::vector<AnimationRecord> animations_;
    std::shared_ptr<LayerTransition> transition_;
};
