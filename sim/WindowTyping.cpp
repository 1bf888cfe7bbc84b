#include "sim/WindowTyping.h"

#include <SDL.h>

#include "platform/ui/text/KeyboardInput.h"
#include "sim/ScriptRecorder.h"

bool handleTypingEvent(const SDL_Event& event, const std::shared_ptr<ScriptRecorder>& recorder) {
    if (event.type == SDL_TEXTINPUT) {
        if (KeyboardInput::typeText(event.text.text) && recorder) recorder->typed(event.text.text);
        return true;
    }
    if (event.type != SDL_KEYDOWN || (event.key.keysym.mod & (KMOD_CTRL | KMOD_ALT))) return false;
    switch (event.key.keysym.sym) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            if (KeyboardInput::pressReturn() && recorder) recorder->keyPressed("return");
            return true;
        case SDLK_BACKSPACE:
            if (KeyboardInput::pressBackspace() && recorder) recorder->keyPressed("backspace");
            return true;
        default:
            return false;
    }
}
