#pragma once

#include <memory>

#include "platform/ui/views/UIView.h"

class UILabel;

// The passcode page of the system 7 lock screen: a title, four entry dots and the number pad,
// kept in the ivar `_keyboard`. Lays the pad out along its bottom in layoutSubviews.
class SBUIPasscodeLockViewWithKeyboard : public UIView {
    RUNTIME_CLASS(SBUIPasscodeLockViewWithKeyboard)
    static std::shared_ptr<SBUIPasscodeLockViewWithKeyboard> make(CGRect frame);
    explicit SBUIPasscodeLockViewWithKeyboard(CGRect frame = CGRectZero);

    const std::shared_ptr<UIView>& keyboard() const { return _keyboard; }
    void layoutSubviews() override;

    static constexpr CGFloat kKeyboardHeight = 300;

private:
    std::shared_ptr<UILabel> title_;
    std::shared_ptr<UIView> dots_;
    std::shared_ptr<UIView> _keyboard;
};
