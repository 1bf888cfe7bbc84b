#pragma once

class UITextField;

// What a text field tells whoever manages its editing. Every operation is optional.
class UITextFieldDelegate {
public:
    virtual ~UITextFieldDelegate() = default;
    // Inside becomeFirstResponder, once the field is first responder.
    virtual void textFieldDidBeginEditing(UITextField*) {}
    // Inside resignFirstResponder, once the field has stopped being first responder.
    virtual void textFieldDidEndEditing(UITextField*) {}
    // The return key was pressed. The field does nothing more either way; the answer is the
    // platform's (whether to do the return key's default), kept for callers that give one.
    virtual bool textFieldShouldReturn(UITextField*) { return true; }
};
