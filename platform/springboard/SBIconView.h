#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/views/UIView.h"

class UIColor;

// An app's icon on the home screen: a rounded tile with the app's name below it. A finger that
// lifts on it opens the app.
class SBIconView : public UIView {
    RUNTIME_CLASS(SBIconView)
    static constexpr CGFloat kTileSize = 60;
    static constexpr CGFloat kHeight = kTileSize + 18;

    using Tapped = std::function<void(const SBIconView& icon)>;
    static std::shared_ptr<SBIconView> make(const std::string& name,
                                            std::shared_ptr<UIColor> tileColor, Tapped tapped);
    using UIView::UIView;

    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;

private:
    Tapped tapped_;
};
