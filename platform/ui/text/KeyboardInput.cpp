#include "platform/ui/text/KeyboardInput.h"

#include <string>

#include "platform/ui/touches/UIResponder.h"

bool KeyboardInput::typeText(std::string_view text) {
    const auto responder = UIResponder::currentFirstResponder();
    if (!responder) return false;
    responder->insertText(std::string(text));
    return true;
}

bool KeyboardInput::pressReturn() {
    return typeText("\n");
}

bool KeyboardInput::pressBackspace() {
    const auto responder = UIResponder::currentFirstResponder();
    if (!responder) return false;
    responder->deleteBackward();
    return true;
}
