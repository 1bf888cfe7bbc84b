#pragma once

#include <memory>

class UIKeyboard;
class UITextInputTraits;

// Keeps the on-screen keyboard at the bottom of the screen, in a window of its own above every
// other window (touches elsewhere pass through it), while a text input is being edited: inputs
// present it as they start editing and dismiss it as they stop. The keyboard and its window are
// made once and kept for the life of the process. Main thread only.
class KeyboardPresenter {
public:
    // Above alerts, so that an alert's field can be typed into.
    static constexpr double kWindowLevel = 10000;

    // Shows the keyboard across the bottom of the main screen, dressed for `input`; it takes over
    // from any input the keyboard was shown for.
    static void present(const UITextInputTraits& input);
    // Takes the keyboard off the screen if it is shown for `input`.
    static void dismiss(const UITextInputTraits& input);
    // The keyboard while it is on the screen, else null.
    static std::shared_ptr<UIKeyboard> visibleKeyboard();
};
