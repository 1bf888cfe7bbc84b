#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/ui/text/UITextInputTraits.h"
#include "platform/ui/text/UITextViewDelegate.h"
#include "platform/ui/text/detail/EditableText.h"
#include "platform/ui/text/detail/TextCaret.h"
#include "platform/ui/views/UIView.h"

class UIColor;
class UIFont;

// Editable, word-wrapped text. A tap puts the caret near the finger and starts editing: the
// text view becomes first responder, the on-screen keyboard comes up and typed text goes in at
// the caret; resigning (or leaving the window) ends the editing. Text is laid out inside the
// platform's container inset (8 points above and below) and line-fragment padding (5 points at
// either side) and clipped at the bounds; it doesn't scroll. The delegate is not owned.
class UITextView : public UIView, public UITextInputTraits {
    RUNTIME_CLASS(UITextView)
    static constexpr CGFloat kTextContainerInsetTop = 8;
    static constexpr CGFloat kTextContainerInsetBottom = 8;
    static constexpr CGFloat kLineFragmentPadding = 5;

    UITextView();
    explicit UITextView(CGRect frame);
    ~UITextView() override;

    const std::string& text() const { return text_.text(); }
    // Invalid UTF-8 is repaired; the caret goes to the end.
    void setText(std::string_view text);
    // The system font of 12 points unless set; null sets it back.
    const std::shared_ptr<UIFont>& font() const { return font_; }
    void setFont(std::shared_ptr<UIFont> font);
    // Black unless set; null sets it back.
    const std::shared_ptr<UIColor>& textColor() const { return textColor_; }
    void setTextColor(std::shared_ptr<UIColor> color);
    std::shared_ptr<UITextViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<UITextViewDelegate>& delegate) { delegate_ = delegate; }
    // A text view that isn't editable never becomes first responder; making it so ends editing.
    bool isEditable() const { return editable_; }
    void setEditable(bool editable);
    bool isEditing() const { return isFirstResponder(); }

    // The caret, as a byte offset into the text (always between whole characters).
    size_t caretIndex() const { return text_.caret(); }
    void setCaretIndex(size_t index);
    // Where the caret is drawn, in the view's coordinates, while editing.
    CGRect caretRect() const;
    // Whether the caret is lit at this moment of its blinking.
    bool isCaretLitForTesting() const { return caret_.isLit(); }

    bool canBecomeFirstResponder() const override { return editable_; }
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;
    bool hasText() const override { return !text().empty(); }
    void insertText(const std::string& text) override;
    void deleteBackward() override;

    // Touches stay with the text view; a tap (one that ends on it) edits.
    void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled_withEvent(const UITouchSet& touches, UIEvent* event) override;
    void didMoveToWindow() override;
    void layoutSubviews() override;
    void drawRect(CGRect rect) override;

private:
    // Where the first line's top-left sits, and how wide lines are.
    CGPoint textOrigin() const;
    CGFloat lineWidth() const;
    // The start of the text, as much of it as can show.
    std::string_view laidOutText() const;
    void textChangedByUser();
    void updateCaret();

    EditableText text_;
    std::shared_ptr<UIFont> font_;
    std::shared_ptr<UIColor> textColor_;
    std::weak_ptr<UITextViewDelegate> delegate_;
    bool editable_ = true;
    TextCaret caret_;
};
