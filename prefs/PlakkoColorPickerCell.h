#pragma once

#include "prefs/ColorWheelCell.h"

// The colour wheel row of the note colour pane.
class PlakkoColorPickerCell : public ColorWheelCell {
    RUNTIME_CLASS(PlakkoColorPickerCell)
    PlakkoColorPickerCell();
};
