#pragma once

#include <memory>

#include "platform/runtime/NSObject.h"
#include "platform/ui/views/UIAlertViewDelegate.h"

class UIAlertView;
class UITextField;

// Asks for the note's password before a hidden note is shown. Made for one question: it keeps
// itself alive from showAlert until the answer has been handled. A right password shows the
// note; a wrong one, or Cancel, does nothing.
class LockAlert : public NSObject, public UIAlertViewDelegate {
    RUNTIME_CLASS(LockAlert)
    void showAlert();
    void alertView_clickedButtonAtIndex(UIAlertView* alertView, long buttonIndex) override;

    std::shared_ptr<UITextField> myTextField;
    std::shared_ptr<UIAlertView> alert;

private:
    std::shared_ptr<LockAlert> keepAlive_;
};
