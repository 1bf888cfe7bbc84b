#pragma once

#include <memory>

#include "platform/notes/NoteContext.h"
#include "platform/ui/views/UIViewController.h"

class NoteTextView;

// One note's page in the Notes app: its date at the top and its whole text below, read-only,
// titled with the note's name as the list shows it.
//
// Ownership: the page owns its copy of the note and its text view.
class NotePageController : public UIViewController {
    RUNTIME_CLASS(NotePageController)
    NotePageController();
    explicit NotePageController(StoredNote note);

    const StoredNote& note() const { return note_; }
    // Null until the view is loaded.
    const std::shared_ptr<NoteTextView>& textView() const { return textView_; }

    void loadView() override;
    void viewDidUnload() override;

private:
    StoredNote note_;
    std::shared_ptr<NoteTextView> textView_;
};
