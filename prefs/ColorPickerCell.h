#pragma once

#include "prefs/ColorWheelCell.h"

// The colour wheel row of the text colour pane.
class ColorPickerCell : public ColorWheelCell {
    RUNTIME_CLASS(ColorPickerCell)
    ColorPickerCell();
};
