#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScrollView.h"
#include "platform/ui/views/UIView.h"

class SBLockScreenBounceAnimator;
class SBLockScreenHintManager;
class SBUIPasscodeLockViewWithKeyboard;
class SBWallpaperView;
class UILabel;
class UITouch;

// The foreground scroll view of the system 7 lock screen.
class SBLockScreenScrollView : public UIScrollView {
    RUNTIME_CLASS(SBLockScreenScrollView)
    using UIScrollView::UIScrollView;
};

// The system 7 lock screen: wallpaper, and the foreground scroll view (`_foregroundScrollView`)
// paging across two screens — the passcode page on the left, the main page with clock, date and
// "slide to unlock" on the right, where it rests. Scrolling to the passcode page asks to unlock.
// Its bounce animator and hint manager watch taps and presses on its own content (not on views
// others put in it).
class SBLockScreenView : public UIView, public UIScrollViewDelegate {
    RUNTIME_CLASS(SBLockScreenView)
    // A lock screen with its content, laid out for `frame`, as SpringBoard makes it for each lock.
    static std::shared_ptr<SBLockScreenView> make(CGRect frame);
    explicit SBLockScreenView(CGRect frame = CGRectZero);
    ~SBLockScreenView() override;

    const std::shared_ptr<SBLockScreenScrollView>& foregroundScrollView() const {
        return _foregroundScrollView;
    }
    const std::shared_ptr<SBUIPasscodeLockViewWithKeyboard>& passcodeView() const {
        return _passcodeView;
    }
    void setUnlockHandler(std::function<void()> unlock) { unlock_ = std::move(unlock); }

    void layoutSubviews() override;
    virtual void willAnimateRotationToInterfaceOrientation_duration(
        UIInterfaceOrientation orientation, double duration);
    // Whether a touch landed on the lock screen's own content rather than on something added to it.
    bool isOwnContent(const UIView* view) const;
    // The main page's content gives a short bounce.
    void bounce();
    // A hint below the clock for a moment.
    void showHint(const std::string& text);

    void scrollViewDidScroll(UIScrollView* scrollView) override;

private:
    void build();
    void updateClock();

    std::shared_ptr<SBWallpaperView> wallpaper_;
    std::shared_ptr<SBLockScreenScrollView> _foregroundScrollView;
    std::shared_ptr<SBUIPasscodeLockViewWithKeyboard> _passcodeView;
    std::shared_ptr<UIView> mainPage_;
    std::shared_ptr<UILabel> clock_;
    std::shared_ptr<UILabel> date_;
    std::shared_ptr<UILabel> slideToUnlock_;
    std::shared_ptr<UILabel> hint_;
    std::shared_ptr<SBLockScreenBounceAnimator> _bounceAnimator;
    std::shared_ptr<SBLockScreenHintManager> hintManager_;
    std::function<void()> unlock_;
    bool unlockRequested_ = false;
};
