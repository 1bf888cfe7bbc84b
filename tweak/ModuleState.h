#pragma once

#include <memory>

class UIImageView;
class UITextView;
class UIView;

// The tweak library's module-level state, shared by the note controller and the lock-screen
// hooks. Main thread only. Views are held weakly: the view tree owns them, and each build of the
// note overwrites them.
struct ModuleState {
    bool isEnabled = false;
    bool isHidden = false;
    std::weak_ptr<UIImageView> noteView;
    std::weak_ptr<UITextView> noteTextView;
    std::weak_ptr<UIImageView> hideButton;
    std::weak_ptr<UIView> noteContainer;
    double hideButtonOffsetX = 0;
    double hideButtonOffsetY = 0;
    std::weak_ptr<UIView> passcodeView;
    std::weak_ptr<UIView> passcodeKeyboard;
    std::weak_ptr<UIView> foregroundScrollView;
};

ModuleState& moduleState();
