#include "sim/WindowTyping.h"

#include <SDL.h>

#include "platform/ui/text/KeyboardInput.h"

bool handleTypingEvent(const SDL_Event& event) {
    if (event.type == SDL_TEXTINPUT) {
        KeyboardInput::typeText(event.text.text);
        return true;
    }
    if (event.type != SDL_KEYDOWN || (event.key.keysym.mod & (KMOD_CTRL | KMOD_ALT))) return false;
    switch (event.key.keysym.sym) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            KeyboardInput::pressReturn();
            return true;
        case SDLK_BACKSPACE:
            KeyboardInput::pressBackspace();
            return true;
        default:
            return false;
    }
}
