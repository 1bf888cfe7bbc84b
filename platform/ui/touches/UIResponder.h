#pragma once

#include <memory>
#include <string>

#include "platform/runtime/NSObject.h"
#include "platform/ui/touches/UITouch.h"

// An object that takes part in event handling: views, view controllers, the application.
// Touches a responder does not handle go up the responder chain. One responder at a time is the
// first responder: it receives typed text.
class UIResponder : public NSObject {
    RUNTIME_CLASS(UIResponder)
    // The next object up the responder chain, or null at its end.
    virtual UIResponder* nextResponder() const { return nullptr; }

    virtual void touchesBegan_withEvent(const UITouchSet& touches, UIEvent* event);
    virtual void touchesMoved_withEvent(const UITouchSet& touches, UIEvent* event);
    virtual void touchesEnded_withEvent(const UITouchSet& touches, UIEvent* event);
    virtual void touchesCancelled_withEvent(const UITouchSet& touches, UIEvent* event);

    virtual bool canBecomeFirstResponder() const { return false; }
    virtual bool canResignFirstResponder() const { return true; }
    // Takes over from the current first responder, which resigns first; false when either refuses.
    virtual bool becomeFirstResponder();
    // Gives up being first responder; its end-of-editing work runs inside this call.
    virtual bool resignFirstResponder();
    bool isFirstResponder() const;
    static std::shared_ptr<UIResponder> currentFirstResponder();

    // Typed input, for responders that take text (the first responder receives it).
    virtual bool hasText() const { return false; }
    virtual void insertText(const std::string&) {}
    virtual void deleteBackward() {}
};
