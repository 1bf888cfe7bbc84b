#pragma once

#include "platform/settings/PSListController.h"
#include "prefs/ColorKeys.h"

// A pane that chooses one colour of the note on a colour wheel: a wheel row, a preview of the
// colour saved so far and a button row whose action saves the wheel's colour as four
// single-precision components under the pane's keys, then makes the rows again (so the preview
// shows it). The two colour panes differ in their list, wheel row and keys.
//
// Ownership: as every pane, it owns its rows and their cells; it reads the wheel through the
// wheel row's cell and keeps no reference of its own.
class ColorPaneController : public PSListController {
    RUNTIME_CLASS(ColorPaneController)

    struct Description {
        const char* plistName;
        // The identifier of the wheel row, which the save reads the colour from.
        const char* wheelRowIdentifier;
        ColorKeys keys;
    };
    explicit ColorPaneController(const Description& description);

    const Specifiers& specifiers() override;
    // Writes red, green, blue and alpha, in that order; without a wheel row nothing is written.
    void saveColor();

private:
    Description description_;
};
