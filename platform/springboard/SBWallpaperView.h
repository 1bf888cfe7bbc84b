#pragma once

#include "platform/ui/views/UIView.h"

// The lock and home screens' wallpaper: a calm diagonal gradient from deep blue to violet.
class SBWallpaperView : public UIView {
    RUNTIME_CLASS(SBWallpaperView)
    using UIView::UIView;
    void drawRect(CGRect rect) override;
};
