#pragma once

#include "prefs/ColorPreviewCell.h"

// The saved colour's preview in the note colour pane.
class selectedColorCell_plakko : public ColorPreviewCell {
    RUNTIME_CLASS(selectedColorCell_plakko)
    selectedColorCell_plakko();
};
