#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/ui/text/UITextFieldDelegate.h"
#include "platform/ui/text/UITextInputTraits.h"
#include "platform/ui/text/detail/EditableText.h"
#include "platform/ui/text/detail/TextCaret.h"
#include "platform/ui/views/UIControl.h"

class UIColor;
class UIFont;

enum UITextBorderStyle : int {
    UITextBorderStyleNone = 0,
    UITextBorderStyleRoundedRect = 3,
};

// When the field shows its clear button (it never shows over an empty field).
enum UITextFieldViewMode : int {
    UITextFieldViewModeNever = 0,
    UITextFieldViewModeWhileEditing = 1,
    UITextFieldViewModeUnlessEditing = 2,
    UITextFieldViewModeAlways = 3,
};

// One line of editable text. A tap starts editing (the field becomes first responder and the
// on-screen keyboard comes up); the return key goes to the delegate instead of into the text.
// Shows its placeholder in grey while empty, bullets instead of the characters when secure, and
// a clear button at the right edge, as its mode says, which empties it when tapped. A text
// longer than the field slides left while editing so that the caret stays in sight. A disabled
// field can't be edited and is drawn dimmed. Sends the editing control events to its targets.
// The delegate is not owned.
class UITextField : public UIControl, public UITextInputTraits {
    RUNTIME_CLASS(UITextField)
    UITextField();
    explicit UITextField(CGRect frame);
    ~UITextField() override;

    const std::string& text() const { return text_.text(); }
    // Invalid UTF-8 is repaired; the caret goes to the end.
    void setText(std::string_view text);
    const std::string& placeholder() const { return placeholder_; }
    void setPlaceholder(std::string placeholder);
    // The system font of 17 points unless set; null sets it back.
    const std::shared_ptr<UIFont>& font() const { return font_; }
    void setFont(std::shared_ptr<UIFont> font);
    // Black unless set; null sets it back.
    const std::shared_ptr<UIColor>& textColor() const { return textColor_; }
    void setTextColor(std::shared_ptr<UIColor> color);
    bool isSecureTextEntry() const { return secureTextEntry_; }
    void setSecureTextEntry(bool secure);
    UITextFieldViewMode clearButtonMode() const { return clearButtonMode_; }
    void setClearButtonMode(UITextFieldViewMode mode);
    UITextBorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(UITextBorderStyle style);
    std::shared_ptr<UITextFieldDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<UITextFieldDelegate>& delegate) { delegate_ = delegate; }
    bool isEditing() const { return isFirstResponder(); }
    // Disabling ends editing.
    void setEnabled(bool enabled) override;

    // The caret, as a byte offset into the text (always between whole characters).
    size_t caretIndex() const { return text_.caret(); }

    // What the field shows for its text: the text itself, or one bullet per character.
    std::string displayedText() const;
    bool isClearButtonShown() const;
    // The clear button's circle, in the field's coordinates.
    CGRect clearButtonRect() const;
    // Where the caret is drawn while editing, in the field's coordinates.
    CGRect caretRect() const;
    bool isCaretLitForTesting() const { return caret_.isLit(); }

    bool canBecomeFirstResponder() const override { return isEnabled(); }
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;
    bool hasText() const override { return !text().empty(); }
    // A newline in the text is the return key.
    void insertText(const std::string& text) override;
    void deleteBackward() override;

    // Touches stay with the field; a tap (one that ends on it) edits or clears.
    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void didMoveToWindow() override;
    void layoutSubviews() override;
    void drawRect(CGRect rect) override;

private:
    // The rectangle the line of text is drawn in, left of the clear button when it shows.
    CGRect textRect() const;
    // The caret's byte offset into displayedText().
    size_t displayedCaretIndex() const;
    // How far the text is slid left so that the caret stays inside textRect().
    CGFloat textOffset() const;
    void drawBorder(const CGContextRef& context) const;
    void drawClearButton(const CGContextRef& context) const;
    void clear();
    void returnPressed();
    void textChangedByUser();
    // Redraws and moves the caret after anything that changes what the field shows.
    void appearanceChanged();

    EditableText text_;
    std::string placeholder_;
    std::shared_ptr<UIFont> font_;
    std::shared_ptr<UIColor> textColor_;
    bool secureTextEntry_ = false;
    UITextFieldViewMode clearButtonMode_ = UITextFieldViewModeNever;
    UITextBorderStyle borderStyle_ = UITextBorderStyleNone;
    std::weak_ptr<UITextFieldDelegate> delegate_;
    TextCaret caret_;
};
