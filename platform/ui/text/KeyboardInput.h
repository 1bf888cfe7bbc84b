#pragma once

#include <string_view>

// Typed input for the first responder, as a keyboard sends it: text, the return key (a newline,
// which text views insert and text fields take as their return key) and backspace. The on-screen
// keyboard's keys, the simulator's keyboard and scripts all type through here. Each answers
// false when there is no first responder to take it. Main thread only.
class KeyboardInput {
public:
    static bool typeText(std::string_view text);
    static bool pressReturn();
    static bool pressBackspace();
};
