#pragma once

#include "prefs/ColorPreviewCell.h"

// The saved colour's preview in the text colour pane.
class selectedColorCell : public ColorPreviewCell {
    RUNTIME_CLASS(selectedColorCell)
    selectedColorCell();
};
