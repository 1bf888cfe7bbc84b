#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/touches/UIResponder.h"

class UIWindow;

// Posted when the app leaves the screen for the background, and when it comes back.
inline constexpr char UIApplicationDidEnterBackgroundNotification[] =
    "UIApplicationDidEnterBackgroundNotification";
inline constexpr char UIApplicationWillEnterForegroundNotification[] =
    "UIApplicationWillEnterForegroundNotification";

enum UIInterfaceOrientation : int {
    UIInterfaceOrientationPortrait = 1,
    UIInterfaceOrientationPortraitUpsideDown = 2,
    UIInterfaceOrientationLandscapeLeft = 4,
    UIInterfaceOrientationLandscapeRight = 3,
};

// The running application: its visible windows (it owns them), its key window, the status bar's
// orientation, and the URLs it was asked to open (recorded and logged: the simulated device never
// goes to the network).
class UIApplication : public UIResponder {
    RUNTIME_CLASS(UIApplication)
    static UIApplication& sharedApplication();

    // Windows back to front: by level, then by the order they were made visible.
    std::vector<std::shared_ptr<UIWindow>> windows() const;
    std::shared_ptr<UIWindow> keyWindow() const { return keyWindow_.lock(); }
    void makeKeyWindow(const std::shared_ptr<UIWindow>& window);
    // Puts a window on the screen without making it key (nothing if it is there already).
    void addWindow(const std::shared_ptr<UIWindow>& window);
    // Takes a window off the screen.
    void removeWindow(const UIWindow* window);

    UIInterfaceOrientation statusBarOrientation() const { return statusBarOrientation_; }
    void setStatusBarOrientation(UIInterfaceOrientation orientation) {
        statusBarOrientation_ = orientation;
    }

    // What the system does when it runs short of memory: posts
    // UIApplicationDidReceiveMemoryWarningNotification, which view controllers and caches answer.
    void performMemoryWarning();

    // The system sends the app to the background and brings it back: posts the notifications
    // above.
    void enterBackground();
    void enterForeground();

    bool openURL(const std::string& url);
    const std::vector<std::string>& openedURLs() const { return openedURLs_; }

private:
    std::vector<std::shared_ptr<UIWindow>> windows_;
    std::weak_ptr<UIWindow> keyWindow_;
    UIInterfaceOrientation statusBarOrientation_ = UIInterfaceOrientationPortrait;
    std::vector<std::string> openedURLs_;
};
