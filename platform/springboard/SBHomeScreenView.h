#pragma once

#include <memory>

#include "platform/ui/views/UIView.h"

class SBWallpaperView;

// What the unlocked device shows: the wallpaper and a row of app icons.
class SBHomeScreenView : public UIView {
    RUNTIME_CLASS(SBHomeScreenView)
    static std::shared_ptr<SBHomeScreenView> make(CGRect frame);
    using UIView::UIView;
    void layoutSubviews() override;

private:
    std::shared_ptr<SBWallpaperView> wallpaper_;
    std::vector<std::shared_ptr<UIView>> icons_;
};
