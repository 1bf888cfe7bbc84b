#pragma once

#include <memory>

#include "platform/ui/views/UIView.h"
#include "prefs/colorpicker/ColorPickerState.h"

class ColorPickerViewDelegate;
class ImageBitmapRep;
class LoupeLayer;
class SelectionLayer;
class UIBezierPath;
class UIColor;

// A square colour wheel the user picks a colour from by touching it: hue by the angle about the
// centre, saturation by the distance from it. The wheel bitmap comes from a cache shared by all
// wheel views and never changes with brightness or opacity: a black layer and a checkerboard
// layer over it, at 1 − brightness and 1 − opacity, do that work. A marker and a disc of the
// chosen colour sit on the selection, and a magnifying loupe floats above the finger.
//
// Layers, bottom to top, inside contentsLayer (a sublayer of the view's layer, clipping):
// gradientLayer (the wheel), brightnessLayer, selectionColorLayer, opacityLayer, selectionLayer;
// the loupe, while shown, goes on the view's layer above contentsLayer. The view owns its layers
// and its loupe; the delegate is not owned. Main thread only, apart from the class operations.
class ColorPickerView : public UIView {
    RUNTIME_CLASS(ColorPickerView)
    // The frame is made square first: both sides become the smaller one.
    explicit ColorPickerView(CGRect frame = CGRectZero);

    // Points kept between the view's edge and the selectable area.
    static constexpr double paddingDistance = 11;

    // The wheel for a diameter and padding in points at a scale (pixels per point), from the
    // class-wide cache or rendered now; blocks until it exists. Null when there is nothing to
    // draw (diameter × scale not above 0).
    static std::shared_ptr<ImageBitmapRep> bitmapForDiameter_scale_padding_shouldCache(
        double diameter, double scale, double padding, bool shouldCache);
    // Warm the cache on the class-wide serial background queue; the caller waits for it unless in
    // the background. The shorter forms prepare in the background, by default at scale 1 with the
    // view's padding: a host on a 2× screen must pass the scale to warm the wheel a view asks for.
    static void prepareForDiameter_scale_padding_inBackground(double diameter, double scale,
                                                              double padding, bool inBackground);
    static void prepareForDiameter_scale_padding(double diameter, double scale, double padding);
    static void prepareForDiameter_scale(double diameter, double scale);
    static void prepareForDiameter_padding(double diameter, double padding);
    static void prepareForDiameter(double diameter);

    // A frame that is not square is a caller error ("ColorPickerView must be square.").
    void setFrame(CGRect frame) override;
    void didMoveToWindow() override;

    // The chosen colour; setting it takes hue, saturation, brightness and alpha from the colour.
    std::shared_ptr<UIColor> selectionColor() const { return state_.color(); }
    void setSelectionColor(const std::shared_ptr<UIColor>& color);
    double brightness() const { return state_.brightness(); }
    void setBrightness(double brightness);
    double opacity() const { return state_.alpha(); }
    void setOpacity(double opacity);
    // The selection in the view's coordinates; setting it acts as a touch there.
    CGPoint selection() const;
    void setSelection(CGPoint point) { updateStateForTouchPoint(point); }
    const ColorPickerState& state() const { return state_; }
    // Circle mode cuts the wheel to a circle and holds the selection on its rim.
    bool cropToCircle() const { return cropToCircle_; }
    void setCropToCircle(bool crop);
    bool showLoupe() const { return showLoupe_; }
    void setShowLoupe(bool show) { showLoupe_ = show; }
    std::shared_ptr<ColorPickerViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<ColorPickerViewDelegate>& delegate) {
        delegate_ = delegate;
    }

    const std::shared_ptr<ImageBitmapRep>& rep() const { return rep_; }
    const std::shared_ptr<UIBezierPath>& activeAreaShape() const { return activeAreaShape_; }
    // Pixels per point of the window's screen; 0 while the view is out of a window or empty.
    double scale() const { return scale_; }
    const std::shared_ptr<CALayer>& contentsLayer() const { return contentsLayer_; }
    const std::shared_ptr<CALayer>& gradientLayer() const { return gradientLayer_; }
    const std::shared_ptr<CALayer>& brightnessLayer() const { return brightnessLayer_; }
    const std::shared_ptr<CALayer>& selectionColorLayer() const { return selectionColorLayer_; }
    const std::shared_ptr<CALayer>& opacityLayer() const { return opacityLayer_; }
    const std::shared_ptr<SelectionLayer>& selectionLayer() const { return selectionLayer_; }
    // Made at the first touch that shows it.
    const std::shared_ptr<LoupeLayer>& loupeLayer() const { return loupeLayer_; }

    // The colour under a point of the view at the current brightness and opacity, wherever the
    // point is (the loupe samples round the selection).
    std::shared_ptr<UIColor> colorAtPoint(CGPoint point) const;
    ColorPickerState stateForPoint(CGPoint point) const;
    // The point moved into the selectable area: clamped to the inset square, or in circle mode
    // moved along its ray onto the rim (a point at the very centre goes to hue 0).
    CGPoint validPointForTouch(CGPoint point) const;
    void updateStateForTouchPoint(CGPoint point);
    double paletteDiameter() const { return bounds().size.width; }

    // Moves the marker, disc and loupe to the selection and applies brightness and opacity, in
    // a transaction that animates nothing unless asked to.
    void handleStateChanged() { handleStateChangedDisableActions(true); }
    void handleStateChangedDisableActions(bool disableActions);
    // Rebuilds what depends on the size and the screen's scale.
    void resizeOrRescale();
    void generateBezierPaths();
    // Fetches the wheel for the current size and scale when it is due.
    void genBitmap();

    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled_withEvent(const UITouchSet& touches, UIEvent* event) override;

private:
    void initRoutine();
    void setState(const ColorPickerState& state);
    void updateStateForTouches(const UITouchSet& touches);
    void dismissLoupe();

    struct {
        bool bitmapNeedsUpdate = false;
    } colorPickerViewFlags_;
    ColorPickerState state_ =
        ColorPickerState::initWithScaledRelativePoint_brightness_alpha({0, 0}, 1, 1);
    bool cropToCircle_ = false;
    bool showLoupe_ = true;
    std::weak_ptr<ColorPickerViewDelegate> delegate_;
    std::shared_ptr<ImageBitmapRep> rep_;
    std::shared_ptr<UIBezierPath> activeAreaShape_;
    std::shared_ptr<CALayer> selectionColorLayer_;
    std::shared_ptr<SelectionLayer> selectionLayer_;
    std::shared_ptr<CALayer> gradientLayer_;
    std::shared_ptr<CALayer> brightnessLayer_;
    std::shared_ptr<CALayer> opacityLayer_;
    std::shared_ptr<CALayer> contentsLayer_;
    std::shared_ptr<LoupeLayer> loupeLayer_;
    double scale_ = 0;
};
