#pragma once

#include <optional>
#include <string>

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

// Whether `answer` is exactly the stored password ("pass": standard Base64 of its UTF-8 bytes).
// A missing or undecodable stored value matches nothing.
bool matchesStoredPassword(const std::string& answer);

}  // namespace PasswordPrompt
