#pragma once

#include <memory>

#include "platform/ui/views/UIView.h"

class UIScreen;
class UIViewController;

// The root of a view tree on the screen. Its frame is in screen points. Windows are drawn back to
// front by level, then by the order in which they were made visible. Ownership: the window owns
// its root view controller.
class UIWindow : public UIView {
    RUNTIME_CLASS(UIWindow)
    using UIView::UIView;

    double windowLevel() const { return windowLevel_; }
    void setWindowLevel(double level) { windowLevel_ = level; }
    // Shows the window and makes it the application's key window.
    void makeKeyAndVisible();
    bool isKeyWindow() const;
    // The screen the window shows on: the device has one, the main screen.
    UIScreen& screen() const;

    const std::shared_ptr<UIViewController>& rootViewController() const {
        return rootViewController_;
    }
    // Shows the controller's view filling the window in place of the old root's, sending both
    // their appearance messages.
    void setRootViewController(std::shared_ptr<UIViewController> controller);

private:
    double windowLevel_ = 0;  // UIWindowLevelNormal
    std::shared_ptr<UIViewController> rootViewController_;
};

inline constexpr double UIWindowLevelNormal = 0;
inline constexpr double UIWindowLevelAlert = 2000;
