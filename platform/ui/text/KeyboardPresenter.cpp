#include "platform/ui/text/KeyboardPresenter.h"

#include "platform/ui/text/KeyboardLayout.h"
#include "platform/ui/text/UIKeyboard.h"
#include "platform/ui/text/UITextEffectsWindow.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScreen.h"

namespace {

struct Presentation {
    std::shared_ptr<UITextEffectsWindow> window;
    std::shared_ptr<UIKeyboard> keyboard;
    // Only compared, never followed: the input dismisses the keyboard before it goes.
    const UITextInputTraits* input = nullptr;
};

Presentation& presentation() {
    // Kept for the life of the process: a key being typed may take the keyboard off the screen
    // while its own touch handler runs.
    static Presentation* shared = [] {
        auto* made = new Presentation;
        made->window = std::make_shared<UITextEffectsWindow>();
        made->window->setWindowLevel(KeyboardPresenter::kWindowLevel);
        made->keyboard = std::make_shared<UIKeyboard>(CGRectZero);
        made->window->addSubview(made->keyboard);
        return made;
    }();
    return *shared;
}

}  // namespace

void KeyboardPresenter::present(const UITextInputTraits& input) {
    Presentation& shown = presentation();
    const CGRect screen = UIScreen::mainScreen().bounds();
    const CGFloat height = KeyboardLayout::height(UIDevice::currentDevice().userInterfaceIdiom());
    shown.window->setFrame(screen);
    shown.keyboard->setFrame({{0, screen.size.height - height}, {screen.size.width, height}});
    shown.keyboard->configure(input);
    shown.input = &input;
    UIApplication::sharedApplication().addWindow(shown.window);
}

void KeyboardPresenter::dismiss(const UITextInputTraits& input) {
    Presentation& shown = presentation();
    if (shown.input != &input) return;
    shown.input = nullptr;
    UIApplication::sharedApplication().removeWindow(shown.window.get());
}

std::shared_ptr<UIKeyboard> KeyboardPresenter::visibleKeyboard() {
    const Presentation& shown = presentation();
    return shown.input ? shown.keyboard : nullptr;
}
