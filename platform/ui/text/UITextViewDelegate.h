#pragma once

class UITextView;

// What a text view tells whoever manages its editing. Every operation is optional.
class UITextViewDelegate {
public:
    virtual ~UITextViewDelegate() = default;
    // Inside becomeFirstResponder, once the text view is first responder.
    virtual void textViewDidBeginEditing(UITextView*) {}
    // Inside resignFirstResponder, once the text view has stopped being first responder.
    virtual void textViewDidEndEditing(UITextView*) {}
    // After each change the user makes to the text; not after setText.
    virtual void textViewDidChange(UITextView*) {}
};
