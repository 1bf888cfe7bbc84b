#pragma once

#include <functional>
#include <memory>

#include "platform/ui/views/UIView.h"

class SBAwayLockBar;
class SBWallpaperView;
class UILabel;

// The lock screen before system 7: wallpaper, a top bar with time and date, and a bottom bar
// whose knob is slid across to unlock (`lockBarUnlocked:`). SpringBoard sends
// `finishedAnimatingIn` once the view has come on screen.
class SBAwayView : public UIView {
    RUNTIME_CLASS(SBAwayView)
    static std::shared_ptr<SBAwayView> make(CGRect frame);
    explicit SBAwayView(CGRect frame = CGRectZero);

    virtual void finishedAnimatingIn() {}
    virtual void lockBarUnlocked(NSObject* sender);
    void setUnlockHandler(std::function<void()> unlock) { unlock_ = std::move(unlock); }
    void layoutSubviews() override;

    static constexpr CGFloat kBarHeight = 96;

private:
    std::shared_ptr<SBWallpaperView> wallpaper_;
    std::shared_ptr<UIView> topBar_;
    std::shared_ptr<UILabel> time_;
    std::shared_ptr<UILabel> date_;
    std::shared_ptr<SBAwayLockBar> lockBar_;
    std::function<void()> unlock_;
};

// The bottom bar's track and knob. Dragging the knob to the end of the track sends
// `lockBarUnlocked:` to the away view; released earlier, it slides back.
class SBAwayLockBar : public UIView {
    RUNTIME_CLASS(SBAwayLockBar)
    static std::shared_ptr<SBAwayLockBar> make(const std::shared_ptr<SBAwayView>& awayView);
    SBAwayLockBar() = default;

    void layoutSubviews() override;
    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled_withEvent(const UITouchSet& touches, UIEvent* event) override;

private:
    CGRect trackFrame() const;
    void placeKnob(CGFloat offset);
    void slideBack();

    std::weak_ptr<SBAwayView> awayView_;
    std::shared_ptr<UIView> track_;
    std::shared_ptr<UILabel> caption_;
    std::shared_ptr<UIView> knob_;
    CGFloat knobOffset_ = 0;
    CGFloat grabX_ = 0;
    bool dragging_ = false;
};
