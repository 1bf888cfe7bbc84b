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

// The words joined again by single spaces; escapes were read when the line was split.
std::string typedText(const Arguments& words) {
    std::string text;
    for (const std::string& word : words) {
        if (!text.empty()) text += ' ';
        text += word;
    }
    return text;
}

ScriptCommandTable::Action type(const Arguments& arguments) {
    return [text = typedText(arguments)](ScriptContext&) {
        if (!KeyboardInput::typeText(text)) throw ScriptError(kNothingEdited);
    };
}

ScriptCommandTable::Action key(const Arguments& arguments) {
    const std::string& name = arguments[0];
    if (name != "return" && name != "backspace")
        throw ScriptError("key takes return or backspace, not \"" + name + "\"");
    return [isReturn = name == "return"](ScriptContext&) {
        const bool delivered =
            isReturn ? KeyboardInput::pressReturn() : KeyboardInput::pressBackspace();
        if (!delivered) throw ScriptError(kNothingEdited);
    };
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
