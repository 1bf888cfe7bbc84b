#pragma once

#include "platform/ui/views/UIWindow.h"

// The on-screen keyboard's window. Like every window it covers the screen, but it takes touches
// only on what it holds (the keyboard); elsewhere they go on to the windows beneath it.
class UITextEffectsWindow : public UIWindow {
    RUNTIME_CLASS(UITextEffectsWindow)
    using UIWindow::UIWindow;

    std::shared_ptr<UIView> hitTest_withEvent(CGPoint point, UIEvent* event) override;
};
