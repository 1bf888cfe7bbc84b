#include "platform/springboard/SBIconView.h"

#include "platform/graphics/UIColor.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/views/UILabel.h"

Class SBIconView::classObject() {
    static const Class cls = defineClass<SBIconView>("SBIconView", UIView::classObject());
    return cls;
}

std::shared_ptr<SBIconView> SBIconView::make(const std::string& name,
                                             std::shared_ptr<UIColor> tileColor, Tapped tapped) {
    auto icon = std::make_shared<SBIconView>(CGRectMake(0, 0, kTileSize, kHeight));
    icon->tapped_ = std::move(tapped);
    auto tile = std::make_shared<UIView>(CGRectMake(0, 0, kTileSize, kTileSize));
    tile->setBackgroundColor(std::move(tileColor));
    tile->layer()->setCornerRadius(13);
    tile->setUserInteractionEnabled(false);
    auto label = std::make_shared<UILabel>(CGRectMake(-10, kTileSize + 3, kTileSize + 20, 15));
    label->setText(name);
    label->setFont(UIFont::systemFontOfSize(12));
    label->setTextColor(UIColor::whiteColor());
    label->setTextAlignment(NSTextAlignmentCenter);
    label->setUserInteractionEnabled(false);
    icon->addSubview(tile);
    icon->addSubview(label);
    return icon;
}

void SBIconView::touchesEnded_withEvent(const UITouchSet& touches, UIEvent*) {
    for (const auto& touch : touches) {
        if (CGRectContainsPoint(bounds(), touch->locationInView(this))) {
            if (tapped_) tapped_(*this);
            return;
        }
    }
}
