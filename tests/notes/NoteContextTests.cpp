#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sqlite3.h>

#include <algorithm>
#include <thread>

#include "platform/foundation/FileIO.h"
#include "platform/foundation/SystemLog.h"
#include "platform/notes/NoteContext.h"
#include "platform/runtime/Runtime.h"
#include "tests/support/TemporaryDeviceRoot.h"

namespace {

std::shared_ptr<NoteObject> addNote(NoteContext& context, const std::string& text, double date) {
    auto note = context.newlyAddedNote();
    note->setContent(text);
    note->setTitle("Plakko Note");
    note->setSummary("Plakko-Note");
    note->setStore(context.localStore());
    note->setModificationDate(date);
    note->setCreationDate(date);
    note->setGuid("new-note");
    return note;
}

}  // namespace

TEST(NoteContextTest, EachSavedNoteIsItsOwnRowNewestFirst) {
    TemporaryDeviceRoot root;
    NoteContext first;
    auto note = addNote(first, "milk\neggs", 100);
    // Through the runtime, with no argument, the way the lock screen's save arrives.
    EXPECT_TRUE(msgSend<bool(NSObject*)>(&first, "saveOutsideApp:", nullptr));
    NoteContext second;
    addNote(second, "milk\neggs", 200);
    EXPECT_TRUE(second.saveOutsideApp(note.get()));
    EXPECT_TRUE(second.saveOutsideApp(nullptr)) << "nothing new to save is not a failure";

    auto notes = NoteContext::allNotes();
    ASSERT_TRUE(notes);
    ASSERT_EQ(notes->size(), 2u) << "the same guid twice is two notes";
    EXPECT_EQ((*notes)[0].creationDate, 200);
    EXPECT_EQ((*notes)[1].content, "milk\neggs");
    EXPECT_EQ((*notes)[1].guid, "new-note");
    EXPECT_EQ((*notes)[1].title, "Plakko Note");
    EXPECT_EQ((*notes)[1].store, "Local");
}

TEST(NoteContextTest, FailuresAreReportedAndNeverCrash) {
    TemporaryDeviceRoot root;
    SystemLogCapture log;
    const auto database = root / NoteContext::kDatabasePath;
    std::filesystem::create_directories(database.parent_path());
    FileIO::writeFile(database, std::string(4096, 'x'));
    EXPECT_FALSE(NoteContext::allNotes().has_value()) << "a corrupt database is reported";
    NoteContext context;
    addNote(context, "text", 1);
    EXPECT_FALSE(context.saveOutsideApp(nullptr));
    EXPECT_FALSE(log.messages().empty());

    std::filesystem::remove(database);
    NoteContext fresh;
    addNote(fresh, "kept", 1);
    ASSERT_TRUE(fresh.saveOutsideApp(nullptr));
    if (geteuid() != 0) {  // root writes read-only files anyway
        ::chmod(database.c_str(), 0444);
        NoteContext readOnly;
        addNote(readOnly, "refused", 2);
        SystemLogCapture log;
        EXPECT_FALSE(readOnly.saveOutsideApp(nullptr));
        ASSERT_FALSE(log.messages().empty());
        EXPECT_NE(log.messages()[0].find("readonly"), std::string::npos) << log.messages()[0];
    }
}

TEST(NoteContextTest, ADatabaseDamagedInPlacesGivesTheNotesItStillHolds) {
    TemporaryDeviceRoot root;
    NoteContext context;
    constexpr int kNotes = 400;
    for (int i = 0; i < kNotes; ++i) {
        addNote(context, "Body " + std::to_string(i), i)->setTitle("Title " + std::to_string(i));
    }
    ASSERT_TRUE(context.saveOutsideApp(nullptr));
    const auto database = root / NoteContext::kDatabasePath;
    std::string bytes = FileIO::readFile(database).value_or("");
    ASSERT_GT(bytes.size(), 100u);
    const size_t pageSize =
        (static_cast<unsigned char>(bytes[16]) << 8) | static_cast<unsigned char>(bytes[17]);
    // Overwrites the page holding `text`: a page of the notes' rows, or of their texts.
    const auto damagePageOf = [&](const std::string& text) {
        const size_t at = bytes.find(text);
        ASSERT_NE(at, std::string::npos) << text;
        const size_t page = at / pageSize * pageSize;
        bytes.replace(page, pageSize, std::string(pageSize, 'A'));
    };
    damagePageOf("Title 200");
    damagePageOf("Body 300");
    ASSERT_TRUE(FileIO::writeFile(database, bytes));

    SystemLogCapture log;
    const auto notes = NoteContext::allNotes();
    ASSERT_TRUE(notes.has_value());
    EXPECT_GT(notes->size(), kNotes / 2);
    EXPECT_LT(notes->size(), static_cast<size_t>(kNotes));
    EXPECT_EQ(notes->front().title, "Title 399");
    EXPECT_EQ(notes->back().title, "Title 0");
    for (size_t i = 0; i < notes->size(); ++i) {
        const StoredNote& note = (*notes)[i];
        EXPECT_NE(note.title, "Title 200");
        if (i > 0) {
            EXPECT_LT(note.modificationDate, (*notes)[i - 1].modificationDate);
        }
        const std::string number = std::to_string(static_cast<int>(note.modificationDate));
        EXPECT_EQ(note.title, "Title " + number);
        if (!note.content.empty()) {
            EXPECT_EQ(note.content, "Body " + number);
        }
    }
    const auto damagedText = std::find_if(notes->begin(), notes->end(), [](const StoredNote& note) {
        return note.title == "Title 300";
    });
    ASSERT_NE(damagedText, notes->end()) << "a note whose text is lost is still listed";
    EXPECT_EQ(damagedText->content, "");
    EXPECT_FALSE(log.messages().empty());
    EXPECT_EQ(FileIO::readFile(database), bytes) << "the damaged file is only read";
}

TEST(NoteContextTest, FailuresAreLoggedWithSQLitesOwnMessage) {
    TemporaryDeviceRoot root;
    const auto database = root / NoteContext::kDatabasePath;
    EXPECT_TRUE(NoteContext::allNotes()->empty());
    EXPECT_FALSE(std::filesystem::exists(database.parent_path()))
        << "reading never creates the store";

    // Another program's database at the same path: a ZNOTE table of other columns.
    std::filesystem::create_directories(database.parent_path());
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open(database.c_str(), &handle), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(handle, "CREATE TABLE ZNOTE (ZOTHER TEXT)", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(handle);

    SystemLogCapture log;
    NoteContext context;
    addNote(context, "text", 1);
    EXPECT_FALSE(context.saveOutsideApp(nullptr));
    EXPECT_FALSE(NoteContext::allNotes().has_value());
    const auto messages = log.messages();
    ASSERT_EQ(messages.size(), 2u);
    for (const std::string& message : messages) {
        EXPECT_EQ(message.find("not an error"), std::string::npos) << message;
        EXPECT_NE(message.find("column"), std::string::npos) << message;
    }
}

TEST(NoteContextTest, ConcurrentWritersLoseNothing) {
    TemporaryDeviceRoot root;
    constexpr int kNotesEach = 40;
    auto writer = [](std::string prefix) {
        for (int i = 0; i < kNotesEach; ++i) {
            NoteContext context;
            addNote(context, prefix + std::to_string(i), i);
            EXPECT_TRUE(context.saveOutsideApp(nullptr));
        }
    };
    std::thread a(writer, "a"), b(writer, "b");
    a.join();
    b.join();
    EXPECT_EQ(NoteContext::allNotes()->size(), 2u * kNotesEach);
}
