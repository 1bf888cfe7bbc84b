#include "platform/notesapp/NoteDisplayTitle.h"

#include <string_view>

#include "platform/foundation/UTF8.h"
#include "platform/notes/NoteContext.h"

namespace {

constexpr char kUntitled[] = "New Note";
constexpr std::string_view kBlanks = " \t\r\f\v";

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The first line of `text` with something on it, without the blanks around it; empty when none.
std::string_view firstFilledLine(std::string_view text) {
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        const size_t first = line.find_first_not_of(kBlanks);
        if (first != std::string_view::npos) {
            line.remove_prefix(first);
            return line.substr(0, line.find_last_not_of(kBlanks) + 1);
        }
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return {};
}

std::string_view cut(std::string_view text) {
    if (text.size() <= kNoteTitleMostBytes) return text;
    size_t end = kNoteTitleMostBytes;
    for (int step = 0; step < 3 && end > 0 && isContinuationByte(text[end]); ++step) --end;
    return text.substr(0, end);
}

}  // namespace

std::string noteDisplayTitle(const StoredNote& note) {
    std::string_view title = firstFilledLine(note.title);
    if (title.empty()) title = firstFilledLine(note.content);
    if (title.empty()) return kUntitled;
    return UTF8::valid(cut(title));
}
