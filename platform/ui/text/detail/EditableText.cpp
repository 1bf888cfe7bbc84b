#include "platform/ui/text/detail/EditableText.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed sequence at the start of `text`, or 0 when it isn't one: no
// overlong forms, no surrogates, nothing above U+10FFFF.
size_t validSequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return 1;
    size_t length;
    std::uint32_t minimum;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    std::uint32_t codePoint = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!isContinuation(byte)) return 0;
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    return codePoint < minimum || surrogate || codePoint > 0x10FFFF ? 0 : length;
}

// Well-formed UTF-8 without NULs: a keyboard can't type a NUL, and text handed on as a C string
// (a property-list file keeps strings so) would end there, keeping less than was shown.
std::string validUTF8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    while (!text.empty()) {
        if (text.front() == '\0') {
            text.remove_prefix(1);
        } else if (const size_t length = validSequenceLength(text)) {
            valid.append(text.substr(0, length));
            text.remove_prefix(length);
        } else {
            valid.append(kReplacementCharacter);
            text.remove_prefix(1);
        }
    }
    return valid;
}

}  // namespace

void EditableText::setText(std::string_view text) {
    text_ = validUTF8(text);
    caret_ = text_.size();
}

void EditableText::setCaret(size_t index) {
    caret_ = std::min(index, text_.size());
    while (caret_ > 0 && caret_ < text_.size() &&
           isContinuation(static_cast<unsigned char>(text_[caret_])))
        --caret_;
}

void EditableText::insert(std::string_view text) {
    const std::string valid = validUTF8(text);
    text_.insert(caret_, valid);
    caret_ += valid.size();
}

bool EditableText::deleteBackward() {
    if (caret_ == 0) return false;
    size_t start = caret_ - 1;
    while (start > 0 && isContinuation(static_cast<unsigned char>(text_[start]))) --start;
    text_.erase(start, caret_ - start);
    caret_ = start;
    return true;
}

size_t EditableText::countCharacters(std::string_view text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char byte) {
        return !isContinuation(static_cast<unsigned char>(byte));
    }));
}

size_t EditableText::charactersBeforeCaret() const {
    return countCharacters(std::string_view(text_).substr(0, caret_));
}

std::string_view EditableText::leadingText(size_t characters) const {
    size_t end = 0;
    for (; end < text_.size(); ++end) {
        if (!isContinuation(static_cast<unsigned char>(text_[end])) && characters-- == 0) break;
    }
    return std::string_view(text_).substr(0, end);
}
