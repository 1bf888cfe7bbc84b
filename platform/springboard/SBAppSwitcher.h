#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/CGGeometry.h"

class SBAppFrameView;
class SBApplication;
class UIWindow;

// Which app is in front, and the way apps come and go: an app opens zooming out of its icon (its
// process started the first time, brought back from the background after, started again when it
// ended there), goes to the
// background zooming back into it when the home button is pressed, and is ended when it fails
// (SpringBoard logs a line and shows the home screen) or when SpringBoard ends. The app's screen
// shows in SpringBoard's app window, between the home screen and the lock screen. Owns the apps
// and their frame views. Main thread only.
class SBAppSwitcher {
public:
    static constexpr double kZoomDuration = 0.35;

    // The command line that starts the app called `name`, or nothing when this device has no
    // such app; throws std::runtime_error when apps can't be started.
    using AppCommand = std::function<std::vector<std::string>(const std::string& name)>;

    SBAppSwitcher();
    ~SBAppSwitcher();
    SBAppSwitcher(const SBAppSwitcher&) = delete;
    SBAppSwitcher& operator=(const SBAppSwitcher&) = delete;

    void setAppCommand(AppCommand command) { command_ = std::move(command); }

    // Opens the app whose icon, at `icon` on the screen, was tapped.
    void open(const std::string& name, CGRect icon);
    // The home button: the app in front goes to the background.
    void goHome();
    // The app in front and taking input (none while it zooms away), or null.
    std::shared_ptr<SBApplication> frontApplication() const;
    // Runs `request` on the app in front, if there is one (false when not). When the app fails
    // on the way it is ended as above, and std::runtime_error says so.
    bool askFrontApplication(const std::function<void(SBApplication&)>& request);
    // Brings the app in front to SpringBoard's time and shows its latest frame: once a frame.
    void update();
    // Typed text goes to the app in front, or stops going there while the lock screen is over it.
    void setTakesTyping(bool takes);
    // Ends every app's process, letting each finish its work first.
    void endApplications();

private:
    void failed(const std::shared_ptr<SBApplication>& app, const std::string& reason);
    std::shared_ptr<SBApplication> application(const std::string& name);
    void show(const std::shared_ptr<SBApplication>& app, CGRect icon);
    // Brings a background app to the front; false, logged, when it ended meanwhile.
    bool bringBack(SBApplication& app);
    // The frame view in front, no longer in front.
    std::shared_ptr<SBAppFrameView> takeFront();
    // Takes a frame view off the screen, and the app window too once it is empty.
    void takeAway(const std::shared_ptr<SBAppFrameView>& view);

    AppCommand command_;
    std::map<std::string, std::shared_ptr<SBApplication>> apps_;
    std::shared_ptr<UIWindow> window_;
    std::shared_ptr<SBAppFrameView> front_;
    CGRect frontIcon_{};
};
