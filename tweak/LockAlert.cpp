#include "tweak/LockAlert.h"

#include "common/PasswordPrompt.h"
#include "common/SettingsKeys.h"
#include "platform/foundation/SystemLog.h"
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
    NSLog("ALERT BEING SHOWN");
    const auto texts =
        PasswordPrompt::textsFromFile(Settings::Key::lockTitle, Settings::Key::lockMessage,
                                      "Enter Password", "This Note is Password Protected");
    alert = std::make_shared<UIAlertView>(texts.title, texts.message,
                                          std::shared_ptr<UIAlertViewDelegate>(keepAlive_, this),
                                          "Cancel", std::vector<std::string>{"Ok"});
    alert->addTextFieldWithValue_label("", "Password");
    myTextField = alert->textFieldAtIndex(0);
    myTextField->setSecureTextEntry(true);
    myTextField->setPlaceholder("Password");
    myTextField->setClearButtonMode(UITextFieldViewModeWhileEditing);
    myTextField->setKeyboardAppearance(UIKeyboardAppearanceDark);
    alert->show();
    alert.reset();  // the visible alert keeps itself alive
}

void LockAlert::alertView_clickedButtonAtIndex(UIAlertView*, long buttonIndex) {
    auto self = std::move(keepAlive_);  // this answer is the last thing the prompt does
    if (buttonIndex != 1) return;
    if (myTextField && PasswordPrompt::matchesStoredPassword(myTextField->text()))
        imageView::sharedInstance()->show();
}
