#pragma once

#include <optional>
#include <vector>

#include "platform/ui/text/KeyboardLayout.h"
#include "platform/ui/views/UIView.h"

// The on-screen keyboard: keys drawn in one view, light or dark, with the return key titled for
// the input being edited. A finger lights the key under it and types that key when it lifts, by
// way of KeyboardInput, to whichever responder is first. Shift capitalises the next letter; the
// plane keys switch between letters, digits and symbols.
class UIKeyboard : public UIView {
    RUNTIME_CLASS(UIKeyboard)
    explicit UIKeyboard(CGRect frame);

    // Dresses the keyboard for an input and starts it on the plane its keyboard type wants,
    // unshifted.
    void configure(const UITextInputTraits& input);
    UIKeyboardAppearance appearance() const { return appearance_; }
    UIReturnKeyType returnKeyType() const { return returnKeyType_; }
    KeyboardPlane plane() const { return plane_; }
    bool isShifted() const { return shifted_; }

    // The keys as laid out for the current plane and bounds.
    std::vector<KeyboardKey> keys() const;
    // The index of the key under the point, in the view's coordinates.
    std::optional<size_t> keyIndexAtPoint(CGPoint point) const;

    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void drawRect(CGRect rect) override;

private:
    void press(const KeyboardKey& key);
    void setPressedKey(std::optional<size_t> index);
    std::optional<size_t> keyIndexUnder(const UITouchSet& touches) const;

    UIKeyboardAppearance appearance_ = UIKeyboardAppearanceDefault;
    UIReturnKeyType returnKeyType_ = UIReturnKeyDefault;
    KeyboardPlane plane_ = KeyboardPlane::Letters;
    bool shifted_ = false;
    std::optional<size_t> pressedKey_;
};
