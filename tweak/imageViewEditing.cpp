// The note controller's editing: typing keeps the device awake and moves the passcode keyboard
// out of the way; the end of editing saves the note.
#include "common/SettingsKeys.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/UITextView.h"
#include "platform/ui/views/UIImageView.h"
#include "tweak/ModuleState.h"
#include "tweak/SettingWrites.h"
#include "tweak/imageView.h"

namespace {

// SpringBoard's backlight controller, looked up by name once it exists.
void tellBacklight(SEL operation) {
    static Class backlightClass = nullptr;
    if (backlightClass == nullptr) backlightClass = objc_getClass("SBBacklightController");
    auto controller = msgSendClass<std::shared_ptr<NSObject>()>(backlightClass, "sharedInstance");
    msgSend<void()>(controller.get(), operation);
}

}  // namespace

void imageView::textViewDidBeginEditing(UITextView* textView) {
    ModuleState& module = moduleState();
    if (module.passcodeView.lock()) {
        if (auto keyboard = module.passcodeKeyboard.lock()) keyboard->removeFromSuperview();
    }
    if (textView != nullptr) textView->becomeFirstResponder();
    tellBacklight("cancelLockScreenIdleTimer");
    auto button = dismissKeyboard;
    noteSpring([button] {
        if (button) button->setAlpha(1);
    });
}

void imageView::textViewDidEndEditing(UITextView*) {
    ModuleState& module = moduleState();
    auto button = dismissKeyboard;
    if (button && button->alpha() == 1.0) noteSpring([button] { button->setAlpha(0); });
    if (auto note = module.noteView.lock()) {
        x = note->frame().origin.x;
        y = note->frame().origin.y;
    }
    auto textView = module.noteTextView.lock();
    writeSetting(Settings::Key::text, PlistValue::string(textView ? textView->text() : ""));
    writeSetting(Settings::Key::hidden, PlistValue::boolean(module.isHidden));
    if (isNotNotification) {
        writeSetting(Settings::Key::x, PlistValue::float32(static_cast<float>(x)));
        writeSetting(Settings::Key::y, PlistValue::float32(static_cast<float>(y)));
    }
    tellBacklight("resetLockScreenIdleTimer");
}

void imageView::dismissKeyboard_(UIGestureRecognizer*) {
    ModuleState& module = moduleState();
    if (auto passcode = module.passcodeView.lock()) {
        if (auto keyboard = module.passcodeKeyboard.lock()) passcode->addSubview(keyboard);
    }
    if (auto textView = module.noteTextView.lock()) textView->resignFirstResponder();
    auto button = dismissKeyboard;
    noteSpring([button] {
        if (button) button->setAlpha(0);
    });
}
