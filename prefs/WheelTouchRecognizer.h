#pragma once

#include "platform/ui/touches/UIGestureRecognizer.h"

// Keeps a finger that lands on a colour wheel for the wheel: it begins the moment the finger
// touches down, so the scrolling of the table the wheel sits in never takes a drag across the
// wheel away from it. It leaves every touch to the wheel itself and sends no actions. The wheel it
// is attached to owns it.
class WheelTouchRecognizer : public UIGestureRecognizer {
    RUNTIME_CLASS(WheelTouchRecognizer)
    WheelTouchRecognizer();

protected:
    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;
};
