#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/views/UIView.h"

class SBIconView;
class SBWallpaperView;

// What the unlocked device shows: the wallpaper and a row of app icons. A tapped icon is handed
// to `open` with its app's name and the icon's frame on the screen.
class SBHomeScreenView : public UIView {
    RUNTIME_CLASS(SBHomeScreenView)
    using Open = std::function<void(const std::string& name, CGRect icon)>;

    static std::shared_ptr<SBHomeScreenView> make(CGRect frame, Open open);
    using UIView::UIView;
    void layoutSubviews() override;

private:
    std::shared_ptr<SBWallpaperView> wallpaper_;
    std::vector<std::shared_ptr<SBIconView>> icons_;
};
