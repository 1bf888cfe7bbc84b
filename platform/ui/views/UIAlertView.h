#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/views/UIAlertViewDelegate.h"
#include "platform/ui/views/UIAlertViewLayout.h"
#include "platform/ui/views/UIView.h"

class UIAlertViewButton;
class UIControl;
class UITextField;

// A modal alert: a rounded box with a bold title, a message, optionally a text field, and
// buttons, shown in a window of its own at the alert level that dims everything beneath and takes
// every touch. The box is centred in what the on-screen keyboard leaves of the screen: the field
// starts editing as the alert appears. A tap on a button tells the delegate which one, then
// dismisses the alert. Button indices: the cancel button, when there is one, is 0, the other
// buttons follow in the order given.
//
// Ownership: while it is shown, the alert's window (kept by the application) keeps the alert
// alive, so a caller may let go of it after `show`; the delegate is not owned.
class UIAlertView : public UIView {
    RUNTIME_CLASS(UIAlertView)
    UIAlertView();
    // Empty strings mean no title, no message, no cancel button, or no button for that entry.
    UIAlertView(std::string title, std::string message,
                const std::shared_ptr<UIAlertViewDelegate>& delegate,
                const std::string& cancelButtonTitle,
                const std::vector<std::string>& otherButtonTitles);

    const std::string& title() const { return title_; }
    const std::string& message() const { return message_; }
    std::shared_ptr<UIAlertViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<UIAlertViewDelegate>& delegate) { delegate_ = delegate; }

    long numberOfButtons() const { return static_cast<long>(buttons_.size()); }
    // -1 when the alert has no cancel button.
    long cancelButtonIndex() const { return hasCancelButton_ ? 0 : -1; }
    // Empty for an index out of range.
    std::string buttonTitleAtIndex(long index) const;
    // The button's view, whose touch-up-inside action presses it; null out of range.
    std::shared_ptr<UIAlertViewButton> buttonAtIndex(long index) const;

    // Gives the alert its text field, holding `value`, with `label` as its placeholder. An alert
    // has one field: later calls are ignored.
    void addTextFieldWithValue_label(const std::string& value, const std::string& label);
    // The field at `index` (only 0), or null.
    std::shared_ptr<UITextField> textFieldAtIndex(long index) const;

    // Puts the alert on the screen above everything; nothing while it is already shown.
    void show();
    // Takes the alert off the screen without telling the delegate of a tap; fades out when
    // animated.
    void dismissWithClickedButtonIndex_animated(long index, bool animated);
    // Shown and not yet dismissed.
    bool isVisible() const { return visible_; }
    // The alerts on the screen, back to front.
    static std::vector<std::shared_ptr<UIAlertView>> visibleAlerts();

    void layoutSubviews() override;
    void drawRect(CGRect rect) override;

private:
    void addButton(const std::string& title, bool isCancel);
    // Adds the buttons and the field as subviews the first time the alert is shown.
    void addParts();
    // Sizes the box for its content and centres it in the screen above the keyboard.
    void placeBox();
    void buttonTapped(UIControl* button);
    void animateIn(const std::shared_ptr<UIWindow>& window);

    std::string title_;
    std::string message_;
    std::weak_ptr<UIAlertViewDelegate> delegate_;
    std::vector<std::shared_ptr<UIAlertViewButton>> buttons_;
    std::shared_ptr<UITextField> textField_;
    bool hasCancelButton_ = false;
    bool visible_ = false;
    UIAlertViewLayout layout_;
    std::weak_ptr<UIWindow> previousKeyWindow_;
};
