#pragma once

#include <functional>
#include <memory>

#include "platform/runtime/NSObject.h"

class NSTimer;

enum class BacklightLevel { On, Dimmed, Off };

// The screen's backlight and the locked device's idle countdown: left alone on the lock screen
// the screen dims after kDimDelay seconds and goes off kOffDelay seconds later. Activity wakes
// it and restarts the countdown; a cancelled countdown stays off until it is reset.
class SBBacklightController : public NSObject {
    RUNTIME_CLASS(SBBacklightController)
    static constexpr double kDimDelay = 8;
    static constexpr double kOffDelay = 4;

    // Reached through the runtime by name as well ("sharedInstance").
    static const std::shared_ptr<SBBacklightController>& sharedInstance();

    void cancelLockScreenIdleTimer();
    void resetLockScreenIdleTimer();
    bool isIdleTimerCancelled() const { return cancelled_; }

    // The device was used (a touch, a key): the screen comes on and the countdown restarts.
    void userActivity();
    // The countdown only runs while the device is locked.
    void setLocked(bool locked);

    BacklightLevel level() const { return level_; }
    void setLevelHandler(std::function<void(BacklightLevel)> handler) {
        levelHandler_ = std::move(handler);
    }

private:
    void setLevel(BacklightLevel level);
    void schedule(double delay, BacklightLevel level);

    std::shared_ptr<NSTimer> timer_;
    BacklightLevel level_ = BacklightLevel::On;
    bool cancelled_ = false;
    bool locked_ = false;
    std::function<void(BacklightLevel)> levelHandler_;
};
