// The note controller's gestures: dragging the note, clearing its text, bringing it home.
#include "common/SettingsKeys.h"
#include "common/SettingsStore.h"
#include "platform/ui/text/UITextView.h"
#include "platform/ui/touches/UIPanGestureRecognizer.h"
#include "platform/ui/views/UIImageView.h"
#include "platform/ui/views/UIScreen.h"
#include "tweak/ModuleState.h"
#include "tweak/SettingWrites.h"
#include "tweak/imageView.h"

void imageView::handlePanGesture(UIGestureRecognizer* recognizer) {
    auto* pan = dynamic_cast<UIPanGestureRecognizer*>(recognizer);
    auto view = recognizer != nullptr ? recognizer->view() : nullptr;
    if (pan == nullptr || !view) return;
    const CGPoint translation = pan->translationInView(view.get());
    const CGPoint center = view->center();
    view->setCenter({center.x + translation.x, center.y + translation.y});
    pan->setTranslation_inView({0, 0}, view.get());
    ModuleState& module = moduleState();
    if (auto note = module.noteView.lock()) {
        x = note->frame().origin.x;
        y = note->frame().origin.y;
    }
    auto textView = module.noteTextView.lock();
    writeSetting(Settings::Key::text, PlistValue::string(textView ? textView->text() : ""));
    writeSetting(Settings::Key::x, PlistValue::float32(static_cast<float>(x)));
    writeSetting(Settings::Key::y, PlistValue::float32(static_cast<float>(y)));
}

void imageView::detectDeleteTap(UIGestureRecognizer*) {
    auto textView = moduleState().noteTextView.lock();
    if (!textView) return;
    noteSpring([textView] { textView->setAlpha(0); },
               [textView](bool) {
                   textView->setText("");
                   textView->setAlpha(1.0);
                   writeSetting(Settings::Key::text, PlistValue::string(textView->text()));
               });
}

void imageView::handleHold(UIGestureRecognizer*) {
    checkSettings();
    if (moduleState().isHidden) show();
    const CGFloat width = UIScreen::mainScreen().bounds().size.width;
    const CGRect home{{width, 100}, noteSize(width)};
    if (auto note = moduleState().noteView.lock())
        noteSpring([note, home] { note->setFrame(home); });
}
