#include "sim/WindowInput.h"

#include <SDL.h>

#include <stdexcept>

#include "platform/foundation/SystemLog.h"
#include "platform/springboard/SpringBoard.h"
#include "sim/DeviceRootLayout.h"
#include "sim/DeviceRotation.h"
#include "sim/ScreenPlacement.h"
#include "sim/ScriptRecorder.h"

bool WindowInput::handleEvent(const SDL_Event& event, const ScreenPlacement& placement) {
    switch (event.type) {
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            if (event.button.button != SDL_BUTTON_LEFT) return true;
            const CGPoint point = placement.pointAt(event.button.x, event.button.y);
            if (event.type == SDL_MOUSEBUTTONDOWN) {
                finger_.fingerDown(point);
                if (recorder_) recorder_->fingerDown(point);
            } else {
                finger_.fingerUp(point);
                if (recorder_) recorder_->fingerUp(point);
            }
            return true;
        }
        case SDL_MOUSEMOTION:
            if (event.motion.state & SDL_BUTTON_LMASK) {
                const CGPoint point = placement.pointAt(event.motion.x, event.motion.y);
                finger_.fingerMoved(point);
                if (recorder_) recorder_->fingerMoved(point);
            }
            return true;
        case SDL_WINDOWEVENT:
            // A release that happens elsewhere never comes back to us.
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                finger_.fingerCancelled();
                if (recorder_) recorder_->fingerCancelled();
            }
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
            const UIDeviceOrientation orientation =
                quarterTurn(UIDevice::currentDevice().orientation(), direction);
            rotateDevice(orientation);
            if (recorder_) recorder_->rotated(orientation);
            return true;
        }
        case SDLK_l:
        case SDLK_u:
            if (!springBoard.isBooted()) return true;
            if (key == SDLK_l) {
                springBoard.lock();
            } else {
                springBoard.unlock();
            }
            if (recorder_) recorder_->command(key == SDLK_l ? "lock" : "unlock");
            return true;
        case SDLK_h:
            if (!springBoard.isBooted()) return true;
            springBoard.pressHomeButton();
            if (recorder_) recorder_->command("home");
            return true;
        case SDLK_r:
            respringRequested_ = true;
            if (recorder_) recorder_->command("respring");
            return true;
        case SDLK_k:
            toggleConvergance();
            return true;
        default:
            return false;
    }
}

void WindowInput::toggleConvergance() {
    const bool install = !isConverganceInstalled();
    try {
        setConverganceInstalled(install);
        NSLog(install ? "Convergance installed; respring (Ctrl+R) to load it"
                      : "Convergance removed; respring (Ctrl+R) to unload it");
        if (recorder_)
            recorder_->command(install ? "install-convergance on" : "install-convergance off");
    } catch (const std::runtime_error& error) {
        NSLog(error.what());
    }
}
