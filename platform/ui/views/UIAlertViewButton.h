#pragma once

#include <string>

#include "platform/graphics/FontDescriptor.h"
#include "platform/ui/views/UIControl.h"

// One button of an alert: its title centred on one line in the system's tint, greyed behind
// while a finger is on it. A finger lifted on it sends the touch-up-inside actions.
class UIAlertViewButton : public UIControl {
    RUNTIME_CLASS(UIAlertViewButton)
    UIAlertViewButton() = default;
    UIAlertViewButton(std::string title, FontDescriptor font);

    const std::string& title() const { return title_; }
    bool isHighlighted() const { return highlighted_; }

    void drawRect(CGRect rect) override;
    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled_withEvent(const UITouchSet& touches, UIEvent* event) override;

private:
    void setHighlighted(bool highlighted);
    bool isOver(const UITouchSet& touches) const;

    std::string title_;
    FontDescriptor font_;
    bool highlighted_ = false;
    bool tracking_ = false;
};
