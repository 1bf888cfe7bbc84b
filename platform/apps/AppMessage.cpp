#include "platform/apps/AppMessage.h"

#include <charconv>
#include <stdexcept>

std::string encodeWords(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += std::to_string(word.size());
        text += ':';
        text += word;
    }
    return text;
}

std::vector<std::string> decodeWords(std::string_view text) {
    std::vector<std::string> words;
    while (!text.empty()) {
        size_t length = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), length);
        const size_t digits = static_cast<size_t>(end - text.data());
        if (error != std::errc() || digits == text.size() || *end != ':' ||
            length > text.size() - digits - 1) {
            throw std::invalid_argument("not a list of words");
        }
        words.emplace_back(text.substr(digits + 1, length));
        text.remove_prefix(digits + 1 + length);
    }
    return words;
}
