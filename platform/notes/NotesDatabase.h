#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;
struct StoredNote;
class NoteObject;

// The notes database file: its schema (in the spirit of the device's Core Data store: ZSTORE,
// ZNOTE, ZNOTEBODY), writes in one transaction and reads. Every failure is logged with SQLite's
// own message and reported, never thrown.
class NotesDatabase {
public:
    // For writing: creates the file and its folder when missing. Null when the file can't be
    // opened or isn't a notes database.
    static std::unique_ptr<NotesDatabase> open(const std::string& hostPath);
    // For reading an existing file, which is never created or changed. Null when it can't be
    // opened.
    static std::unique_ptr<NotesDatabase> openExisting(const std::string& hostPath);
    ~NotesDatabase();
    NotesDatabase(const NotesDatabase&) = delete;
    NotesDatabase& operator=(const NotesDatabase&) = delete;

    bool insertNotes(const std::vector<std::shared_ptr<NoteObject>>& notes);
    // Nothing when the file isn't a notes database. A database damaged in places gives the notes
    // it still holds (salvagedNotes).
    std::optional<std::vector<StoredNote>> notesNewestFirst();

private:
    explicit NotesDatabase(sqlite3* handle) : db_(handle) {}
    bool execute(const char* sql);
    std::optional<long long> storeId(const std::string& name);
    bool insertNote(const NoteObject& note);
    // The damaged database read note by note in id order, newest first in the end: notes whose
    // row can't be read are passed over, a note whose text can't be read comes without it.
    std::vector<StoredNote> salvagedNotes();
    // The highest note id the table still gives, if any.
    std::optional<long long> highestNoteId();
    // Logs `what` with the error of the SQLite call that just failed.
    void logError(const std::string& what) const;

    sqlite3* db_;
};
