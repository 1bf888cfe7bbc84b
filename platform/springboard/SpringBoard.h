#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/springboard/SBBacklightController.h"
#include "platform/ui/views/UIApplication.h"

class SBAppSwitcher;
class UIView;
class UIWindow;

// The lock-screen process. boot() registers the lock-screen classes the device's system has,
// loads the tweaks, shows the home screen and locks the device. Each lock makes a fresh lock
// screen view in the lock window; unlocking releases it. The backlight's dimming is a black shade
// over everything. Apps opened from the home screen run in processes of their own, their screens
// between the home screen and the lock screen (see SBAppSwitcher). Main thread only; one per
// process.
class SpringBoard {
public:
    static constexpr char kBundleIdentifier[] = "com.apple.springboard";
    static constexpr double kLockAnimationDuration = 0.3;
    static constexpr double kRotationDuration = 0.4;

    static SpringBoard& shared();

    void boot();
    bool isBooted() const { return booted_; }
    const std::vector<std::string>& loadedTweaks() const { return loadedTweaks_; }

    void lock();
    void unlock();
    bool isLocked() const { return lockView_ != nullptr; }
    // The system 7 SBLockScreenView or the older SBAwayView of the current lock.
    const std::shared_ptr<UIView>& lockScreenView() const { return lockView_; }

    // The device turned: the device and status bar orientations change and the lock screen turns.
    void rotate(UIInterfaceOrientation orientation);

    // Input arrived. A dark screen only wakes: gives false when the input should go no further.
    bool userActivity();

    // The home button: the app in front goes to the background; on a locked device it only wakes
    // the screen.
    void pressHomeButton();
    // The apps and the one in front; there from boot on.
    SBAppSwitcher& appSwitcher() { return *appSwitcher_; }

private:
    SpringBoard();
    ~SpringBoard();
    void registerSystemClasses();
    void placeForOrientation(UIView& view, UIInterfaceOrientation orientation);
    void showBacklight(BacklightLevel level);

    bool booted_ = false;
    bool before7_ = false;
    std::vector<std::string> loadedTweaks_;
    std::unique_ptr<SBAppSwitcher> appSwitcher_;
    std::shared_ptr<UIWindow> homeWindow_;
    std::shared_ptr<UIWindow> lockWindow_;
    std::shared_ptr<UIWindow> shadeWindow_;
    std::shared_ptr<UIView> lockView_;
};
