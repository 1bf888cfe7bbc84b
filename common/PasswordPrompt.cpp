#include "common/PasswordPrompt.h"

#include "common/SettingsKeys.h"
#include "platform/foundation/NSDataBase64.h"
#include "platform/foundation/PropertyListFile.h"
#include "platform/foundation/SystemLog.h"
#include "platform/ui/text/UITextField.h"
#include "platform/ui/views/UIAlertView.h"

namespace PasswordPrompt {
namespace {

const std::string* storedString(const PlistDictionary& file, const char* key) {
    auto it = file.find(key);
    return it != file.end() ? it->second.asString() : nullptr;
}

}  // namespace

Texts textsFromFile(const char* titleKey, const char* messageKey, const char* defaultTitle,
                    const char* defaultMessage) {
    const PlistDictionary file =
        PropertyListFile::dictionaryWithContentsOfFile(Settings::kFile).value_or(PlistDictionary{});
    const bool hasTitle = file.find(titleKey) != file.end(),
               hasMessage = file.find(messageKey) != file.end();
    if (!hasTitle && !hasMessage) return {defaultTitle, defaultMessage};
    const std::string* title = storedString(file, titleKey);
    const std::string* message = storedString(file, messageKey);
    return {title ? *title : "", message ? *message : ""};
}

ShownPrompt showPrompt(const TextKeys& keys, const std::shared_ptr<UIAlertViewDelegate>& delegate) {
    NSLog("ALERT BEING SHOWN");
    const Texts texts =
        textsFromFile(keys.titleKey, keys.messageKey, keys.defaultTitle, keys.defaultMessage);
    auto alert = std::make_shared<UIAlertView>(texts.title, texts.message, delegate, "Cancel",
                                               std::vector<std::string>{"Ok"});
    alert->addTextFieldWithValue_label("", "Password");
    auto field = alert->textFieldAtIndex(0);
    field->setSecureTextEntry(true);
    field->setPlaceholder("Password");
    field->setClearButtonMode(UITextFieldViewModeWhileEditing);
    field->setKeyboardAppearance(UIKeyboardAppearanceDark);
    alert->show();
    return {std::move(alert), std::move(field)};
}

bool matchesStoredPassword(const std::string& answer) {
    const PlistDictionary file =
        PropertyListFile::dictionaryWithContentsOfFile(Settings::kFile).value_or(PlistDictionary{});
    const std::string* stored = storedString(file, Settings::Key::pass);
    if (stored == nullptr) return false;
    const std::optional<NSData> bytes = NSDataBase64::dataWithBase64EncodedString(*stored);
    if (!bytes) return false;
    return answer == std::string(bytes->begin(), bytes->end());
}

}  // namespace PasswordPrompt
