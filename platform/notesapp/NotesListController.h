#pragma once

#include <memory>
#include <vector>

#include "platform/notes/NoteContext.h"
#include "platform/ui/tables/UITableViewDataSource.h"
#include "platform/ui/tables/UITableViewDelegate.h"
#include "platform/ui/views/UIViewController.h"

class UILabel;
class UITableView;

// The Notes app's first pane, "Notes": a plain table of the device's notes, newest first, each
// row the note's name and its date (NotesDateText), and "No Notes" when there is none. Tapping a
// row opens the note's page. The notes are read from the store when the view loads and again on
// reloadNotes; the store is only ever read. A store that can't be read shows no notes.
//
// Ownership: the list owns the notes it read, its table and its "No Notes" label; the table's
// data source and delegate (the list) are not owned by the table.
class NotesListController : public UIViewController,
                            public UITableViewDataSource,
                            public UITableViewDelegate {
    RUNTIME_CLASS(NotesListController)
    NotesListController();
    ~NotesListController() override;

    // Reads the store again and shows what it holds now.
    void reloadNotes();
    const std::vector<StoredNote>& notes() const { return notes_; }
    // Null until the view is loaded.
    const std::shared_ptr<UITableView>& table() const { return table_; }
    const std::shared_ptr<UILabel>& emptyLabel() const { return emptyLabel_; }

    void loadView() override;
    void viewWillAppear(bool animated) override;
    void viewDidUnload() override;

    // UITableViewDataSource and UITableViewDelegate.
    size_t tableView_numberOfRowsInSection(UITableView* tableView, size_t section) override;
    std::shared_ptr<UITableViewCell> tableView_cellForRowAtIndexPath(
        UITableView* tableView, NSIndexPath indexPath) override;
    void tableView_didSelectRowAtIndexPath(UITableView* tableView, NSIndexPath indexPath) override;

private:
    std::vector<StoredNote> notes_;
    std::shared_ptr<UITableView> table_;
    std::shared_ptr<UILabel> emptyLabel_;
};
