#include "tests/scenario/WindowPerson.h"

#include <thread>

namespace WindowPerson {

bool waitFor(const std::function<bool()>& condition, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void letTheWindowCatchUp() {
    while (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
}

void pushMouse(Uint32 type, int x, int y) {
    SDL_Event event{};
    event.type = type;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
}

void pushMouseMotion(int x, int y) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.state = SDL_BUTTON_LMASK;
    event.motion.x = x;
    event.motion.y = y;
    SDL_PushEvent(&event);
}

void pushTap(int x, int y) {
    pushMouse(SDL_MOUSEBUTTONDOWN, x, y);
    letTheWindowCatchUp();
    pushMouse(SDL_MOUSEBUTTONUP, x, y);
    letTheWindowCatchUp();
}

void pushText(const std::string& text) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    SDL_strlcpy(event.text.text, text.c_str(), sizeof(event.text.text));
    SDL_PushEvent(&event);
}

void pushKey(SDL_Keycode key, Uint16 modifiers) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    event.key.keysym.mod = modifiers;
    SDL_PushEvent(&event);
}

}  // namespace WindowPerson
