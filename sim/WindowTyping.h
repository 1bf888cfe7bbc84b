#pragma once

union SDL_Event;

// What the person types on the computer's keyboard at the simulator window goes to the device's
// first responder: typed text (SDL's text input, so any layout and composed characters work),
// Return and Backspace (repeating while held). True when the event was one of these.
bool handleTypingEvent(const SDL_Event& event);
