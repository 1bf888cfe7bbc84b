#pragma once

#include <memory>

#include "platform/runtime/NSObject.h"
#include "platform/ui/views/UIAlertViewDelegate.h"

class PSListController;
class UIAlertView;
class UITextField;

// Asks for the note's password before the settings are shown. Made for one question: it keeps
// itself alive from showAlertWithSpecifiers: until the answer has been handled. A wrong password,
// or Cancel, empties the guarded pane; the right one leaves it as it is.
class PrefsLockAlert : public NSObject, public UIAlertViewDelegate {
    RUNTIME_CLASS(PrefsLockAlert)
    void showAlertWithSpecifiers(const std::shared_ptr<PSListController>& pane);
    void alertView_clickedButtonAtIndex(UIAlertView* alertView, long buttonIndex) override;

    std::shared_ptr<UITextField> myTextField;
    std::shared_ptr<UIAlertView> alert;
    std::weak_ptr<PSListController> controller;

private:
    std::shared_ptr<PrefsLockAlert> keepAlive_;
};
