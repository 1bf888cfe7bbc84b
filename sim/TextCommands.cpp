#include "sim/TextCommands.h"

#include <limits>
#include <string>

#include "platform/ui/text/KeyboardInput.h"
#include "platform/ui/text/UITextField.h"
#include "platform/ui/text/UITextView.h"
#include "platform/ui/views/UILabel.h"
#include "sim/ScriptCommandTable.h"
#include "sim/ScriptError.h"
#include "sim/ViewTextRegistry.h"

namespace {

using Arguments = ScriptCommandTable::Arguments;

constexpr char kNothingEdited[] = "nothing is being edited: tap into a text view or field first";

// The words joined again, with \n as a newline and \\ as a backslash.
std::string typedText(const Arguments& words) {
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty()) line += ' ';
        line += word;
    }
    std::string text;
    for (size_t i = 0; i < line.size(); ++i) {
        const bool escape = line[i] == '\\' && i + 1 < line.size();
        if (escape && line[i + 1] == 'n') {
            text += '\n';
            ++i;
        } else if (escape && line[i + 1] == '\\') {
            text += '\\';
            ++i;
        } else {
            text += line[i];
        }
    }
    return text;
}

void type(const Arguments& arguments, ScriptContext&) {
    if (!KeyboardInput::typeText(typedText(arguments))) throw ScriptError(kNothingEdited);
}

void key(const Arguments& arguments, ScriptContext&) {
    const std::string& name = arguments[0];
    bool delivered;
    if (name == "return") {
        delivered = KeyboardInput::pressReturn();
    } else if (name == "backspace") {
        delivered = KeyboardInput::pressBackspace();
    } else {
        throw ScriptError("key takes return or backspace, not \"" + name + "\"");
    }
    if (!delivered) throw ScriptError(kNothingEdited);
}

void addTextViewReaders() {
    ViewTextRegistry::add(UILabel::classObject(), [](const UIView& view) {
        return static_cast<const UILabel&>(view).text();
    });
    ViewTextRegistry::add(UITextView::classObject(), [](const UIView& view) {
        return static_cast<const UITextView&>(view).text();
    });
    ViewTextRegistry::add(UITextField::classObject(), [](const UIView& view) {
        return static_cast<const UITextField&>(view).displayedText();
    });
}

}  // namespace

void addTextCommands(ScriptCommandTable& commands) {
    commands.add("type", {"type TEXT", 1, std::numeric_limits<size_t>::max(), type});
    commands.add("key", {"key return|backspace", 1, 1, key});
    addTextViewReaders();
}
