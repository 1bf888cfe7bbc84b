#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The text of an input being edited and the caret in it, a byte offset that always sits between
// whole characters. Whatever comes in is made valid UTF-8 first (each byte that isn't part of a
// valid sequence becomes U+FFFD), so a deletion never leaves half a character behind.
class EditableText {
public:
    const std::string& text() const { return text_; }
    size_t caret() const { return caret_; }
    // Replaces the text; the caret goes to its end.
    void setText(std::string_view text);
    // Moves the caret to the character boundary at or before `index`, held to the text.
    void setCaret(size_t index);
    // Inserts at the caret, which moves past what was inserted.
    void insert(std::string_view text);
    // Removes the character before the caret; false when there is none.
    bool deleteBackward();

    // Characters (code points) before the caret, and in any valid UTF-8 text.
    size_t charactersBeforeCaret() const;
    static size_t countCharacters(std::string_view text);

    // At most the first `characters` characters: inputs lay out only what they can show, as
    // text is laid out again at every keystroke.
    std::string_view leadingText(size_t characters) const;

private:
    std::string text_;
    size_t caret_ = 0;
};
