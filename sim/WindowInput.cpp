#include "sim/WindowInput.h"

#include <SDL.h>

#include <stdexcept>

#include "platform/foundation/SystemLog.h"
#include "platform/springboard/SpringBoard.h"
#include "sim/DeviceRootLayout.h"
#include "sim/DeviceRotation.h"

namespace {

CGPoint pointOf(int x, int y) {
    return {static_cast<CGFloat>(x), static_cast<CGFloat>(y)};
}

void toggleConvergance() {
    const bool install = !isConverganceInstalled();
    try {
        setConverganceInstalled(install);
        NSLog(install ? "Convergance installed; respring (Ctrl+R) to load it"
                      : "Convergance removed; respring (Ctrl+R) to unload it");
    } catch (const std::runtime_error& error) {
        NSLog(error.what());
    }
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
        case SDL_KEYDOWN:
            if (!(event.key.keysym.mod & KMOD_CTRL)) return false;
            if (event.key.repeat) return true;  // one action for each press
            return handleDeviceKey(event.key.keysym.sym);
        default:
            return false;
    }
}

bool WindowInput::handleDeviceKey(int key) {
    SpringBoard& springBoard = SpringBoard::shared();
    switch (key) {
        case SDLK_LEFT:
        case SDLK_RIGHT: {
            const auto direction =
                key == SDLK_RIGHT ? RotationDirection::Clockwise : RotationDirection::Anticlockwise;
            rotateDevice(quarterTurn(UIDevice::currentDevice().orientation(), direction));
            return true;
        }
        case SDLK_l:
            if (springBoard.isBooted()) springBoard.lock();
            return true;
        case SDLK_u:
            if (springBoard.isBooted()) springBoard.unlock();
            return true;
        case SDLK_r:
            respringRequested_ = true;
            return true;
        case SDLK_k:
            toggleConvergance();
            return true;
        default:
            return false;
    }
}
