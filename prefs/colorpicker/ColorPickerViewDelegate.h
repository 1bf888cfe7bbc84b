#pragma once

#include "platform/ui/touches/UITouch.h"

class ColorPickerView;

// What a colour wheel view tells its host about a gesture on it. Both operations are optional.
class ColorPickerViewDelegate {
public:
    virtual ~ColorPickerViewDelegate() = default;
    // After the gesture's first touch has moved the selection.
    virtual void colorPicker_touchesBegan_withEvent(ColorPickerView*, const UITouchSet&, UIEvent*) {
    }
    // After its last touch has moved the selection and the loupe has been told to go.
    virtual void colorPicker_touchesEnded_withEvent(ColorPickerView*, const UITouchSet&, UIEvent*) {
    }
};
