// The note controller's export: the note's text becomes a new note of the Notes app.
#include "platform/foundation/Clock.h"
#include "platform/foundation/SystemLog.h"
#include "platform/notes/NoteContext.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/UITextView.h"
#include "platform/ui/views/UIImageView.h"
#include "tweak/ModuleState.h"
#include "tweak/hud/ProgressHUD.h"
#include "tweak/imageView.h"

namespace {

constexpr double kOverlayDuration = 0.7;

// Saves `text` as a new note through the Notes framework's context, found by name. The save is
// sent through the runtime, where SpringBoard's hook meets it. False when there is no framework
// or the save failed.
bool saveToNotes(const std::string& text) {
    static Class contextClass = nullptr;
    if (contextClass == nullptr) contextClass = objc_getClass("NoteContext");
    auto context = class_createInstance(contextClass);
    if (!context) return false;
    auto note = msgSend<std::shared_ptr<NoteObject>()>(context.get(), "newlyAddedNote");
    if (!note) return false;
    note->setContent(text);
    note->setTitle("Plakko Note");
    note->setSummary("Plakko-Note");
    note->setStore(msgSend<std::shared_ptr<NoteStoreObject>()>(context.get(), "localStore"));
    note->setModificationDate(NSDate::now());
    note->setCreationDate(NSDate::now());
    note->setGuid("new-note");
    return msgSend<bool(NSObject*)>(context.get(), "saveOutsideApp:", note.get());
}

}  // namespace

void imageView::export_(UIGestureRecognizer*) {
    fadeButton(exportButton);
    hud = ProgressHUD::showHUDAddedTo_animated(view(), true);
    hud->setMode(ProgressHUDModeText);
    auto textView = moduleState().noteTextView.lock();
    const std::string text = textView ? textView->text() : "";
    // "Saved" is said only of a save that worked.
    const bool saved = !text.empty() && saveToNotes(text);
    if (saved) NSLog("SAVED");
    hud->setLabelText(saved ? "Saved" : "Not Saved");
    hud->hide_afterDelay(true, kOverlayDuration);
}

void imageView::fadeButton(const std::shared_ptr<UIView>& button) {
    if (!button) return;
    noteSpring(
        [button] { button->setAlpha(button->alpha() + 0.3); },
        [button](bool) { noteSpring([button] { button->setAlpha(button->alpha() - 0.3); }); });
}
