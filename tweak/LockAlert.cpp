#include "tweak/LockAlert.h"

#include "common/PasswordPrompt.h"
#include "common/SettingsKeys.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/UITextField.h"
#include "platform/ui/views/UIAlertView.h"
#include "tweak/imageView.h"

Class LockAlert::classObject() {
    static const Class cls = defineClass<LockAlert>("LockAlert", NSObject::classObject());
    return cls;
}

void LockAlert::showAlert() {
    keepAlive_ = std::static_pointer_cast<LockAlert>(shared_from_this());
    auto prompt =
        PasswordPrompt::showPrompt({Settings::Key::lockTitle, Settings::Key::lockMessage,
                                    "Enter Password", "This Note is Password Protected"},
                                   std::shared_ptr<UIAlertViewDelegate>(keepAlive_, this));
    myTextField = std::move(prompt.field);
    alert = std::move(prompt.alert);
    alert.reset();  // the visible alert keeps itself alive
}

void LockAlert::alertView_clickedButtonAtIndex(UIAlertView*, long buttonIndex) {
    auto self = std::move(keepAlive_);  // this answer is the last thing the prompt does
    if (buttonIndex != 1) return;
    if (myTextField && PasswordPrompt::matchesStoredPassword(myTextField->text()))
        imageView::sharedInstance()->show();
}
