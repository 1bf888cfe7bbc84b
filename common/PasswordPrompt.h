#pragma once

#include <memory>
#include <optional>
#include <string>

class UIAlertView;
class UIAlertViewDelegate;
class UITextField;

// What both password prompts share: their texts and the check of an answer, read from the
// preference file itself (not the preference cache), so they see what has reached the file.
namespace PasswordPrompt {

struct Texts {
    std::string title;
    std::string message;
};

// The stored title and message when either key is present (a missing one of the two is empty);
// the defaults only when both are absent.
Texts textsFromFile(const char* titleKey, const char* messageKey, const char* defaultTitle,
                    const char* defaultMessage);

// The keys that hold a prompt's title and message, and the texts used when both are absent.
struct TextKeys {
    const char* titleKey;
    const char* messageKey;
    const char* defaultTitle;
    const char* defaultMessage;
};

// A prompt on the screen: the alert and its masked field.
struct ShownPrompt {
    std::shared_ptr<UIAlertView> alert;
    std::shared_ptr<UITextField> field;
};

// Logs that a prompt is shown and shows one: the texts from the preference file, "Cancel" (index
// 0) and "Ok" (index 1), and one secure field with "Password" as its placeholder, a clear button
// while editing and the dark keyboard. `delegate` hears the answer.
ShownPrompt showPrompt(const TextKeys& keys, const std::shared_ptr<UIAlertViewDelegate>& delegate);

// Whether `answer` is exactly the stored password ("pass": standard Base64 of its UTF-8 bytes).
// A missing or undecodable stored value matches nothing.
bool matchesStoredPassword(const std::string& answer);

}  // namespace PasswordPrompt
