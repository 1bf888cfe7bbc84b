#include "platform/notesapp/NotePageController.h"

#include "platform/notesapp/NoteDisplayTitle.h"
#include "platform/notesapp/NoteTextView.h"
#include "platform/notesapp/NotesDateText.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/views/UIScreen.h"

Class NotePageController::classObject() {
    static const Class cls =
        defineClass<NotePageController>("NotePageController", UIViewController::classObject());
    return cls;
}

NotePageController::NotePageController() : NotePageController(StoredNote{}) {}

NotePageController::NotePageController(StoredNote note) : note_(std::move(note)) {
    setTitle(noteDisplayTitle(note_));
}

void NotePageController::loadView() {
    textView_ = std::make_shared<NoteTextView>(UIScreen::mainScreen().bounds());
    textView_->setHeaderText(notesPageDateText(note_.modificationDate));
    textView_->setText(note_.content);
    setView(textView_);
}

void NotePageController::viewDidUnload() {
    UIViewController::viewDidUnload();
    textView_.reset();
}
