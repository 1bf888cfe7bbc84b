#include "prefs/passwordCell.h"

#include "common/SettingsKeys.h"
#include "common/SettingsStore.h"
#include "common/SystemVersion.h"
#include "platform/foundation/CFPreferences.h"
#include "platform/foundation/NSDataBase64.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/UITextField.h"
#include "platform/ui/views/UIDevice.h"

namespace {

constexpr CGFloat kFieldInset = 15;

// The stored password as text: nothing when it isn't Base64 the platform's decoder accepts.
std::string decodedPassword(const std::string& stored) {
    const auto bytes = NSDataBase64::dataWithBase64EncodedString(stored);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "";
}

}  // namespace

Class passwordCell::classObject() {
    static const Class cls = defineClass<passwordCell>(
        "passwordCell", PSTableCell::classObject(),
        [](RuntimeClass& c) { c.addIvar("passwordField", &passwordCell::passwordField); });
    return cls;
}

passwordCell::passwordCell() = default;

void passwordCell::initWithStyle_reuseIdentifier(UITableViewCellStyle style,
                                                 std::string reuseIdentifier) {
    PSTableCell::initWithStyle_reuseIdentifier(style, std::move(reuseIdentifier));
    passWord = cachedString(Settings::Key::pass);
    checkPassword = passWord.has_value();
    const CGRect frame = this->frame();
    passwordField = std::make_shared<UITextField>(
        CGRectMake(kFieldInset, 0, frame.size.width - kFieldInset, frame.size.height));
    // The table sizes the cell after it is made; the field follows its width.
    passwordField->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    if (!isSystemVersionBefore7(UIDevice::currentDevice().systemVersion())) {
        passwordField->setPlaceholder("Enter Password");
        passwordField->setDelegate(std::shared_ptr<UITextFieldDelegate>(shared_from_this(), this));
        passwordField->setSecureTextEntry(true);
        if (checkPassword) passwordField->setText(decodedPassword(*passWord));
    } else {
        passwordField->setPlaceholder("Passcode only available for iOS > 7.X ");
        passwordField->setEnabled(false);
        passwordField->setUserInteractionEnabled(false);
    }
    addSubview(passwordField);
}

void passwordCell::textFieldDidEndEditing(UITextField* field) {
    const std::string& text = field->text();
    const PlistValue stored =
        PlistValue::string(NSDataBase64::base64EncodedString(NSData(text.begin(), text.end())));
    CFPreferencesSetValue(Settings::Key::pass, stored, Settings::kDomain, kCFPreferencesCurrentUser,
                          kCFPreferencesAnyHost);
    // A password cell made later (the pane opened again) shows this password, not the one loaded
    // before it: an edit there would otherwise store the old password back.
    settingsCache.insert_or_assign(Settings::Key::pass, stored);
}

bool passwordCell::textFieldShouldReturn(UITextField* field) {
    field->resignFirstResponder();
    return false;
}
