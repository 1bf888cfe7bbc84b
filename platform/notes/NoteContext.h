#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/notes/NoteObject.h"
#include "platform/runtime/NSObject.h"

// One note as the store lists it.
struct StoredNote {
    long long id;
    std::string title;
    std::string summary;
    std::string content;
    std::string guid;
    double creationDate;
    double modificationDate;
    std::string store;
};

// The Notes framework's context over the device's notes database
// ("/var/mobile/Library/Notes/notes.sqlite"). Notes made with newlyAddedNote are written, all in
// one transaction, by saveOutsideApp: (the save other processes than the Notes app make), which
// the runtime dispatches so that it can be hooked; its argument is not needed and may be null.
// Every note gets its own row: notes with the same guid are different notes. Several processes
// may write at once (SQLite's locking, with a busy timeout).
class NoteContext : public NSObject {
    RUNTIME_CLASS(NoteContext)
    NoteContext();
    ~NoteContext() override;

    std::shared_ptr<NoteObject> newlyAddedNote();
    const std::shared_ptr<NoteStoreObject>& localStore() const { return localStore_; }
    // True when every new note was written; false (and logged) when the database can't be opened
    // or written, and the notes stay unsaved.
    bool saveOutsideApp(NSObject* argument);

    // Whether the notes database exists (a store with no notes yet does).
    static bool storeExists();
    // The notes of the database, newest first, read without creating or changing it: none when
    // there is no database, nothing (and logged) when it can't be read, and the notes it still
    // holds (logged) when it is damaged in places.
    static std::optional<std::vector<StoredNote>> allNotes();
    static constexpr char kDatabasePath[] = "/var/mobile/Library/Notes/notes.sqlite";

private:
    std::shared_ptr<NoteStoreObject> localStore_;
    std::vector<std::shared_ptr<NoteObject>> unsaved_;
};
