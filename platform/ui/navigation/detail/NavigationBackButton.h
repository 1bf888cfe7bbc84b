#pragma once

#include <memory>
#include <string>

#include "platform/ui/views/UIControl.h"

class UILabel;

// The bar's back button: a chevron and the previous pane's title in the tint colour (flat look),
// or a bordered button shaped like an arrow with white text (classic look). Sends
// UIControlEventTouchUpInside when a finger lifts on it; dims while the finger is down on it.
class NavigationBackButton : public UIControl {
    RUNTIME_CLASS(NavigationBackButton)
    NavigationBackButton();

    void setClassicLook(bool classic);
    const std::string& title() const;
    void setTitle(const std::string& title);
    const std::shared_ptr<UILabel>& titleLabel() const { return label_; }

    CGSize sizeThatFits(CGSize size) const override;
    void layoutSubviews() override;
    void drawRect(CGRect rect) override;

    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled_withEvent(const UITouchSet& touches, UIEvent* event) override;

private:
    void setPressed(bool pressed);
    bool isInside(const UITouchSet& touches) const;
    // Where the title starts and the room left after it.
    CGFloat titleStart() const;
    CGFloat titleEndPadding() const;

    bool classic_ = false;
    bool tracking_ = false;
    std::shared_ptr<UILabel> label_;
};
