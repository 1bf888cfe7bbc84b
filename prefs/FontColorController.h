#pragma once

#include "prefs/ColorPaneController.h"

// The pane that chooses the colour of the note's text, from the bundle's "FontColorController"
// list; its save button's action is apply.
class FontColorController : public ColorPaneController {
    RUNTIME_CLASS(FontColorController)
    FontColorController();
};
