#pragma once

#include "prefs/ColorPaneController.h"

// The pane that chooses the note's background colour, from the bundle's "PlakkoColorController"
// list; its save button's action is apply_plakko.
class PlakkoColorController : public ColorPaneController {
    RUNTIME_CLASS(PlakkoColorController)
    PlakkoColorController();
};
