#include "prefs/PrefsLockAlert.h"

#include "common/PasswordPrompt.h"
#include "common/SettingsKeys.h"
#include "platform/runtime/Runtime.h"
#include "platform/settings/PSListController.h"
#include "platform/ui/text/UITextField.h"
#include "platform/ui/views/UIAlertView.h"

Class PrefsLockAlert::classObject() {
    static const Class cls =
        defineClass<PrefsLockAlert>("PrefsLockAlert", NSObject::classObject(), [](RuntimeClass& c) {
            c.addIvar("myTextField", &PrefsLockAlert::myTextField);
            c.addIvar("alert", &PrefsLockAlert::alert);
            c.addIvar("controller", &PrefsLockAlert::controller);
        });
    return cls;
}

void PrefsLockAlert::showAlertWithSpecifiers(const std::shared_ptr<PSListController>& pane) {
    keepAlive_ = std::static_pointer_cast<PrefsLockAlert>(shared_from_this());
    controller = pane;
    auto prompt =
        PasswordPrompt::showPrompt({Settings::Key::settingsTitle, Settings::Key::settingsMessage,
                                    "Enter Password", "Plakko is Password Protected"},
                                   std::shared_ptr<UIAlertViewDelegate>(keepAlive_, this));
    alert = std::move(prompt.alert);
    myTextField = std::move(prompt.field);
}

void PrefsLockAlert::alertView_clickedButtonAtIndex(UIAlertView*, long buttonIndex) {
    auto self = std::move(keepAlive_);  // this answer is the last thing the prompt does
    if (buttonIndex == 1 && myTextField &&
        PasswordPrompt::matchesStoredPassword(myTextField->text()))
        return;
    if (auto pane = controller.lock())
        pane->removeContiguousSpecifiers_animated(pane->specifiers(), true);
}
