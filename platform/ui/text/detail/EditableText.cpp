#include "platform/ui/text/detail/EditableText.h"

#include <algorithm>

#include "platform/foundation/UTF8.h"

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Well-formed UTF-8 without NULs: a keyboard can't type a NUL, and text handed on as a C string
// (a property-list file keeps strings so) would end there, keeping less than was shown.
std::string validUTF8(std::string_view text) {
    std::string valid = UTF8::valid(text);
    std::erase(valid, '\0');
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
