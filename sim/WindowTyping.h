#pragma once

#include <memory>

class ScriptRecorder;
union SDL_Event;

// What the person types on the computer's keyboard at the simulator window goes to the device's
// first responder: typed text (SDL's text input, so any layout and composed characters work),
// Return and Backspace (repeating while held). True when the event was one of these. What the
// device took is told to the recorder, when there is one.
bool handleTypingEvent(const SDL_Event& event, const std::shared_ptr<ScriptRecorder>& recorder);
