#pragma once

#include "common/SettingsKeys.h"

// The four keys one colour is stored under, a single-precision number from 0 to 1 each.
struct ColorKeys {
    const char* red;
    const char* green;
    const char* blue;
    const char* alpha;
};

// The note's background colour, chosen in the note colour pane.
inline constexpr ColorKeys kNoteColorKeys{Settings::Key::redPlakko, Settings::Key::greenPlakko,
                                          Settings::Key::bluePlakko, Settings::Key::alphaFPlakko};
// The colour of the note's text, chosen in the text colour pane.
inline constexpr ColorKeys kTextColorKeys{Settings::Key::red, Settings::Key::green,
                                          Settings::Key::blue, Settings::Key::alphaF};
