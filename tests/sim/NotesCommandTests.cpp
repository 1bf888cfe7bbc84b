#include <gtest/gtest.h>

#include <sstream>

#include "platform/foundation/FileIO.h"
#include "platform/notes/NoteContext.h"
#include "platform/notes/NotesDatabase.h"
#include "sim/NotesCommand.h"
#include "tests/support/TemporaryDeviceRoot.h"

namespace {

int runNotes(const std::filesystem::path& root, std::string& out, std::string& err) {
    std::ostringstream outStream, errStream;
    const int status = runNotesCommand({"--root", root.string(), "list"}, outStream, errStream);
    out = outStream.str();
    err = errStream.str();
    return status;
}

}  // namespace

TEST(NotesCommandTest, AMissingStoreIsReportedAndNotCreated) {
    TemporaryDeviceRoot root;
    std::string out, err;
    for (const auto& folder : {root.path(), root.path() / "mistyped" / "path"}) {
        EXPECT_EQ(runNotes(folder, out, err), 1);
        EXPECT_NE(err.find("there is no Notes store"), std::string::npos) << err;
    }
    EXPECT_TRUE(std::filesystem::is_empty(root.path())) << "nothing is created";
}

TEST(NotesCommandTest, ListsNotesNewestFirstWithTheirText) {
    TemporaryDeviceRoot root;
    std::string out, err;
    std::filesystem::create_directories((root / NoteContext::kDatabasePath).parent_path());
    ASSERT_TRUE(NotesDatabase::open((root / NoteContext::kDatabasePath).string()));
    EXPECT_EQ(runNotes(root.path(), out, err), 0);
    EXPECT_EQ(out, "No notes.\n");

    NoteContext context;
    for (double date : {0.0, 3600.0}) {
        auto note = context.newlyAddedNote();
        note->setTitle("Plakko Note");
        note->setContent(date > 0 ? "second\nline two" : "first");
        note->setModificationDate(date);
    }
    ASSERT_TRUE(context.saveOutsideApp(nullptr));
    EXPECT_EQ(runNotes(root.path(), out, err), 0);
    EXPECT_EQ(out,
              "2001-01-01 01:00:00 +0000  Plakko Note\n    second\n    line two\n\n"
              "2001-01-01 00:00:00 +0000  Plakko Note\n    first\n");
}

TEST(NotesCommandTest, ACorruptDatabaseIsReported) {
    TemporaryDeviceRoot root;
    const auto database = root / NoteContext::kDatabasePath;
    std::filesystem::create_directories(database.parent_path());
    FileIO::writeFile(database, "this is not a database, only text long enough to look like one");
    std::string out, err;
    EXPECT_EQ(runNotes(root.path(), out, err), 1);
    EXPECT_NE(err.find("can't be read"), std::string::npos);
    std::ostringstream ignored;
    EXPECT_EQ(runNotesCommand({"list", "extra"}, ignored, ignored), 2);
}
