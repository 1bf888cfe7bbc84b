#include "platform/springboard/SBHomeScreenView.h"

#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "platform/springboard/SBWallpaperView.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UILabel.h"

Class SBHomeScreenView::classObject() {
    static const Class cls =
        defineClass<SBHomeScreenView>("SBHomeScreenView", UIView::classObject());
    return cls;
}

namespace {

constexpr CGFloat kIconSize = 60;
constexpr CGFloat kIconSpacing = 16;

struct AppIcon {
    const char* name;
    double red, green, blue;
};
constexpr AppIcon kApps[] = {{"Notes", 0.98, 0.80, 0.20},
                             {"Settings", 0.55, 0.57, 0.60},
                             {"Clock", 0.10, 0.10, 0.12},
                             {"Photos", 0.95, 0.45, 0.35}};

std::shared_ptr<UIView> iconView(const AppIcon& app) {
    auto icon = std::make_shared<UIView>(CGRectMake(0, 0, kIconSize, kIconSize + 18));
    auto tile = std::make_shared<UIView>(CGRectMake(0, 0, kIconSize, kIconSize));
    tile->setBackgroundColor(
        UIColor::colorWithRed_green_blue_alpha(app.red, app.green, app.blue, 1));
    tile->layer()->setCornerRadius(13);
    auto name = std::make_shared<UILabel>(CGRectMake(-10, kIconSize + 3, kIconSize + 20, 15));
    name->setText(app.name);
    name->setFont(UIFont::systemFontOfSize(12));
    name->setTextColor(UIColor::whiteColor());
    name->setTextAlignment(NSTextAlignmentCenter);
    icon->addSubview(tile);
    icon->addSubview(name);
    return icon;
}

}  // namespace

std::shared_ptr<SBHomeScreenView> SBHomeScreenView::make(CGRect frame) {
    auto view = std::make_shared<SBHomeScreenView>(frame);
    view->wallpaper_ = std::make_shared<SBWallpaperView>();
    view->addSubview(view->wallpaper_);
    for (const AppIcon& app : kApps) {
        view->icons_.push_back(iconView(app));
        view->addSubview(view->icons_.back());
    }
    return view;
}

void SBHomeScreenView::layoutSubviews() {
    const CGRect bounds = this->bounds();
    wallpaper_->setFrame(bounds);
    const CGFloat rowWidth = icons_.size() * kIconSize + (icons_.size() - 1) * kIconSpacing;
    CGFloat x = (bounds.size.width - rowWidth) / 2;
    for (const auto& icon : icons_) {
        icon->setFrame(CGRectMake(x, 40, kIconSize, kIconSize + 18));
        x += kIconSize + kIconSpacing;
    }
}
