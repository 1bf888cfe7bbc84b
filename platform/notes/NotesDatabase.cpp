#include "platform/notes/NotesDatabase.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>

#include "platform/foundation/SystemLog.h"
#include "platform/notes/NoteContext.h"

namespace {

constexpr int kBusyTimeoutMilliseconds = 5000;
// How many reads a damaged database gets, at most, to give what it still holds.
constexpr size_t kMostSalvageReads = 100000;

constexpr char kSchema[] =
    "CREATE TABLE IF NOT EXISTS ZSTORE (Z_PK INTEGER PRIMARY KEY AUTOINCREMENT, ZNAME TEXT UNIQUE "
    "NOT NULL,"
    " ZACCOUNT INTEGER);"
    "CREATE TABLE IF NOT EXISTS ZNOTE (Z_PK INTEGER PRIMARY KEY AUTOINCREMENT, ZTITLE TEXT, "
    "ZSUMMARY TEXT,"
    " ZGUID TEXT, ZCREATIONDATE REAL, ZMODIFICATIONDATE REAL, ZDELETEDFLAG INTEGER DEFAULT 0,"
    " ZSTORE INTEGER REFERENCES ZSTORE(Z_PK));"
    "CREATE TABLE IF NOT EXISTS ZNOTEBODY (Z_PK INTEGER PRIMARY KEY AUTOINCREMENT,"
    " ZOWNER INTEGER UNIQUE REFERENCES ZNOTE(Z_PK), ZCONTENT TEXT);";

// A prepared statement for one scope.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) {
        sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr);
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    explicit operator bool() const { return statement_ != nullptr; }
    void bind(int index, const std::string& text) {
        sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
    }
    void bind(int index, double value) { sqlite3_bind_double(statement_, index, value); }
    void bind(int index, long long value) { sqlite3_bind_int64(statement_, index, value); }
    int step() { return sqlite3_step(statement_); }
    void reset() { sqlite3_reset(statement_); }
    std::string text(int column) const {
        const auto* value = sqlite3_column_text(statement_, column);
        return value != nullptr ? reinterpret_cast<const char*>(value) : "";
    }
    double real(int column) const { return sqlite3_column_double(statement_, column); }
    long long integer(int column) const { return sqlite3_column_int64(statement_, column); }

private:
    sqlite3_stmt* statement_ = nullptr;
};

bool isDamage(int status) {
    return (status & 0xff) == SQLITE_CORRUPT || (status & 0xff) == SQLITE_NOTADB;
}

void sortNewestFirst(std::vector<StoredNote>& notes) {
    std::sort(notes.begin(), notes.end(), [](const StoredNote& a, const StoredNote& b) {
        if (a.modificationDate != b.modificationDate)
            return a.modificationDate > b.modificationDate;
        return a.id > b.id;
    });
}

// A note's columns in StoredNote's order, from ZNOTE n and ZSTORE s, its text being `content`.
std::string selectNotes(const char* content) {
    return std::string("SELECT n.Z_PK, n.ZTITLE, n.ZSUMMARY, ") + content +
           ", n.ZGUID, n.ZCREATIONDATE, n.ZMODIFICATIONDATE, s.ZNAME FROM ZNOTE n"
           " LEFT JOIN ZSTORE s ON s.Z_PK = n.ZSTORE";
}

StoredNote noteAt(const Statement& row) {
    return {row.integer(0), row.text(1), row.text(2), row.text(3),
            row.text(4),    row.real(5), row.real(6), row.text(7)};
}

void logFailure(sqlite3* db, int status, const std::string& what) {
    NSLog("Notes database: " + what + ": " +
          (db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(status)));
}

}  // namespace

std::unique_ptr<NotesDatabase> NotesDatabase::open(const std::string& hostPath) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(hostPath).parent_path(), error);
    sqlite3* handle = nullptr;
    const int status = sqlite3_open_v2(hostPath.c_str(), &handle,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (status != SQLITE_OK) {
        logFailure(handle, status, "can't open " + hostPath);
        sqlite3_close(handle);
        return nullptr;
    }
    sqlite3_busy_timeout(handle, kBusyTimeoutMilliseconds);
    std::unique_ptr<NotesDatabase> database(new NotesDatabase(handle));
    if (!database->execute(kSchema)) return nullptr;
    return database;
}

std::unique_ptr<NotesDatabase> NotesDatabase::openExisting(const std::string& hostPath) {
    sqlite3* handle = nullptr;
    const int status = sqlite3_open_v2(hostPath.c_str(), &handle, SQLITE_OPEN_READONLY, nullptr);
    if (status != SQLITE_OK) {
        logFailure(handle, status, "can't open " + hostPath);
        sqlite3_close(handle);
        return nullptr;
    }
    sqlite3_busy_timeout(handle, kBusyTimeoutMilliseconds);
    return std::unique_ptr<NotesDatabase>(new NotesDatabase(handle));
}

NotesDatabase::~NotesDatabase() {
    sqlite3_close(db_);
}

void NotesDatabase::logError(const std::string& what) const {
    logFailure(db_, sqlite3_errcode(db_), what);
}

bool NotesDatabase::execute(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK) return true;
    logError("can't run \"" + std::string(sql).substr(0, 40) + "...\"");
    return false;
}

// Failures are logged where they happen, before finalising a statement clears the error.
std::optional<long long> NotesDatabase::storeId(const std::string& name) {
    Statement insert(db_, "INSERT OR IGNORE INTO ZSTORE (ZNAME) VALUES (?1)");
    if (!insert) {
        logError("can't save notes");
        return std::nullopt;
    }
    insert.bind(1, name);
    if (insert.step() != SQLITE_DONE) {
        logError("can't save notes");
        return std::nullopt;
    }
    Statement select(db_, "SELECT Z_PK FROM ZSTORE WHERE ZNAME = ?1");
    if (!select) {
        logError("can't save notes");
        return std::nullopt;
    }
    select.bind(1, name);
    if (select.step() != SQLITE_ROW) {
        logError("can't save notes");
        return std::nullopt;
    }
    return select.integer(0);
}

bool NotesDatabase::insertNote(const NoteObject& note) {
    const std::string storeName = note.store() ? note.store()->name() : "Local";
    auto store = storeId(storeName);
    if (!store) return false;
    Statement insertNote(
        db_,
        "INSERT INTO ZNOTE (ZTITLE, ZSUMMARY, ZGUID, ZCREATIONDATE, ZMODIFICATIONDATE, ZSTORE)"
        " VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    if (!insertNote) {
        logError("can't save notes");
        return false;
    }
    insertNote.bind(1, note.title());
    insertNote.bind(2, note.summary());
    insertNote.bind(3, note.guid());
    insertNote.bind(4, note.creationDate());
    insertNote.bind(5, note.modificationDate());
    insertNote.bind(6, *store);
    if (insertNote.step() != SQLITE_DONE) {
        logError("can't save notes");
        return false;
    }
    Statement insertBody(db_, "INSERT INTO ZNOTEBODY (ZOWNER, ZCONTENT) VALUES (?1, ?2)");
    if (!insertBody) {
        logError("can't save notes");
        return false;
    }
    insertBody.bind(1, static_cast<long long>(sqlite3_last_insert_rowid(db_)));
    insertBody.bind(2, note.content());
    if (insertBody.step() != SQLITE_DONE) {
        logError("can't save notes");
        return false;
    }
    return true;
}

bool NotesDatabase::insertNotes(const std::vector<std::shared_ptr<NoteObject>>& notes) {
    if (!execute("BEGIN IMMEDIATE")) return false;
    for (const auto& note : notes) {
        if (!insertNote(*note)) {
            execute("ROLLBACK");
            return false;
        }
    }
    return execute("COMMIT");
}

std::optional<std::vector<StoredNote>> NotesDatabase::notesNewestFirst() {
    Statement select(db_, (selectNotes("b.ZCONTENT") +
                           " LEFT JOIN ZNOTEBODY b ON b.ZOWNER = n.Z_PK WHERE n.ZDELETEDFLAG = 0"
                           " ORDER BY n.ZMODIFICATIONDATE DESC, n.Z_PK DESC")
                              .c_str());
    if (!select) {
        logError("can't read notes");
        return std::nullopt;
    }
    std::vector<StoredNote> notes;
    int status;
    while ((status = select.step()) == SQLITE_ROW) notes.push_back(noteAt(select));
    if (status != SQLITE_DONE) {
        logError("can't read notes");
        if (isDamage(status)) return salvagedNotes();
        return std::nullopt;
    }
    return notes;
}

std::optional<long long> NotesDatabase::highestNoteId() {
    for (const char* sql :
         {"SELECT max(Z_PK) FROM ZNOTE", "SELECT seq FROM sqlite_sequence WHERE name = 'ZNOTE'"}) {
        Statement select(db_, sql);
        if (select && select.step() == SQLITE_ROW) return select.integer(0);
    }
    return std::nullopt;
}

std::vector<StoredNote> NotesDatabase::salvagedNotes() {
    Statement next(db_, (selectNotes("NULL") +
                         " WHERE n.Z_PK > ?1 AND n.ZDELETEDFLAG = 0 ORDER BY n.Z_PK LIMIT 1")
                            .c_str());
    Statement body(db_, "SELECT ZCONTENT FROM ZNOTEBODY WHERE ZOWNER = ?1");
    if (!next || !body) return {};
    const long long highest = highestNoteId().value_or(0);
    std::vector<StoredNote> notes;
    size_t unreadable = 0;
    long long after = 0;
    for (size_t read = 0; read < kMostSalvageReads; ++read) {
        next.reset();
        next.bind(1, after);
        const int status = next.step();
        if (status == SQLITE_DONE) break;
        if (status != SQLITE_ROW) {
            // The note after `after` lies in a damaged part: try past the next id.
            ++unreadable;
            if (++after >= highest) break;
            continue;
        }
        StoredNote note = noteAt(next);
        after = note.id;
        body.reset();
        body.bind(1, note.id);
        if (body.step() == SQLITE_ROW) note.content = body.text(0);
        notes.push_back(std::move(note));
    }
    NSLog("Notes database: damaged; " + std::to_string(notes.size()) + " notes read, " +
          std::to_string(unreadable) + " ids that couldn't be read passed over");
    sortNewestFirst(notes);
    return notes;
}
