#pragma once

#include "platform/ui/views/UIView.h"

class UIScreen;

// The root of a view tree on the screen. Its frame is in screen points. Windows are drawn back to
// front by level, then by the order in which they were made visible.
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

private:
    double windowLevel_ = 0;  // UIWindowLevelNormal
};

inline constexpr double UIWindowLevelNormal = 0;
inline constexpr double UIWindowLevelAlert = 2000;
