#include "sim/WindowInput.h"

#include <SDL.h>

#include "sim/DeviceRotation.h"

namespace {

CGPoint pointOf(int x, int y) {
    return {static_cast<CGFloat>(x), static_cast<CGFloat>(y)};
}

}  // namespace

bool WindowInput::handleEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT)
                finger_.fingerDown(pointOf(event.button.x, event.button.y));
            return true;
        case SDL_MOUSEBUTTONUP:
            if (event.button.button == SDL_BUTTON_LEFT)
                finger_.fingerUp(pointOf(event.button.x, event.button.y));
            return true;
        case SDL_MOUSEMOTION:
            if (event.motion.state & SDL_BUTTON_LMASK)
                finger_.fingerMoved(pointOf(event.motion.x, event.motion.y));
            return true;
        case SDL_WINDOWEVENT:
            // A release that happens elsewhere never comes back to us.
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) finger_.fingerCancelled();
            return false;
        case SDL_KEYDOWN: {
            const SDL_Keycode key = event.key.keysym.sym;
            if (!(event.key.keysym.mod & KMOD_CTRL) || (key != SDLK_LEFT && key != SDLK_RIGHT))
                return false;
            if (event.key.repeat) return true;  // one turn for each press
            const auto direction =
                key == SDLK_RIGHT ? RotationDirection::Clockwise : RotationDirection::Anticlockwise;
            rotateDevice(quarterTurn(UIDevice::currentDevice().orientation(), direction));
            return true;
        }
        default:
            return false;
    }
}
