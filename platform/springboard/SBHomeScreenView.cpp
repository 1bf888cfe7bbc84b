#include "platform/springboard/SBHomeScreenView.h"

#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "platform/springboard/SBIconView.h"
#include "platform/springboard/SBWallpaperView.h"

Class SBHomeScreenView::classObject() {
    static const Class cls =
        defineClass<SBHomeScreenView>("SBHomeScreenView", UIView::classObject());
    return cls;
}

namespace {

constexpr CGFloat kIconSpacing = 16;
constexpr CGFloat kIconRowTop = 40;

struct AppIcon {
    const char* name;
    double red, green, blue;
};
constexpr AppIcon kApps[] = {{"Notes", 0.98, 0.80, 0.20},
                             {"Settings", 0.55, 0.57, 0.60},
                             {"Clock", 0.10, 0.10, 0.12},
                             {"Photos", 0.95, 0.45, 0.35}};

}  // namespace

std::shared_ptr<SBHomeScreenView> SBHomeScreenView::make(CGRect frame, Open open) {
    auto view = std::make_shared<SBHomeScreenView>(frame);
    view->wallpaper_ = std::make_shared<SBWallpaperView>();
    view->addSubview(view->wallpaper_);
    for (const AppIcon& app : kApps) {
        auto icon = SBIconView::make(
            app.name, UIColor::colorWithRed_green_blue_alpha(app.red, app.green, app.blue, 1),
            [open, name = std::string(app.name)](const SBIconView& tapped) {
                if (open) open(name, tapped.convertRect_toView(tapped.bounds(), nullptr));
            });
        view->icons_.push_back(icon);
        view->addSubview(icon);
    }
    return view;
}

void SBHomeScreenView::layoutSubviews() {
    const CGRect bounds = this->bounds();
    wallpaper_->setFrame(bounds);
    const CGFloat size = SBIconView::kTileSize;
    const CGFloat rowWidth = icons_.size() * size + (icons_.size() - 1) * kIconSpacing;
    CGFloat x = (bounds.size.width - rowWidth) / 2;
    for (const auto& icon : icons_) {
        icon->setFrame(CGRectMake(x, kIconRowTop, size, SBIconView::kHeight));
        x += size + kIconSpacing;
    }
}
