// The Notes app and its store: it reads the store anew when it comes to the front, never writes
// it, and shows no notes (and no crash) for a store it can't read.
#include <filesystem>
#include <fstream>

#include "platform/notesapp/NotePageController.h"
#include "platform/notesapp/NotesApp.h"
#include "platform/notesapp/NotesListController.h"
#include "platform/ui/tables/UITableView.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UILabel.h"
#include "tests/scenario/NotesScenario.h"

namespace {

using NotesStoreTest = NotesScenario;

TEST_F(NotesStoreTest, ComingToTheFrontShowsANoteSavedMeanwhileAndKeepsTheOpenPage) {
    addNote("Shopping", "apples", kDecember29);
    runNotes("wait 0.5\ntap-row Shopping\nwait 0.6\n");
    const auto page = topPage();
    ASSERT_NE(page, nullptr);

    addNote("Plakko Note", "exported on the lock screen", kToday941);
    EXPECT_EQ(list()->notes().size(), 1u) << "read only when the app comes to the front";
    UIApplication::sharedApplication().enterForeground();
    EXPECT_EQ(topPage(), page);
    more("back\nwait 0.6\n");
    EXPECT_EQ(rows(), (std::vector<NoteRow>{{"Plakko Note", "9:41 AM"}, {"Shopping", "12/29/25"}}));
}

TEST_F(NotesStoreTest, LaunchingScrollingAndOpeningNotesLeaveTheStoreAsItWas) {
    addNumberedNotes(60);
    const std::string before = storeBytes();
    const auto modified = std::filesystem::last_write_time(storeFile());
    runNotes(
        "wait 0.5\ndrag 160 500 160 100\nwait 1\ntap-row Note 40\nwait 0.6\ndrag 160 400 160 "
        "200\nback\nwait 0.6\ntap-row Note 0\nwait 0.6\n");
    NotesApp::shared().willEnterForeground();
    ASSERT_NE(topPage(), nullptr);
    EXPECT_EQ(topPage()->title(), "Note 0");
    EXPECT_EQ(storeBytes(), before);
    EXPECT_EQ(std::filesystem::last_write_time(storeFile()), modified);
    const auto folder = storeFile().parent_path();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1)
        << "no journal or other file is left beside the store";
}

TEST_F(NotesStoreTest, AStoreThatIsMissingOrUnreadableShowsNoNotesAndStaysAsItIs) {
    runNotes();
    EXPECT_TRUE(list()->notes().empty());
    EXPECT_FALSE(list()->emptyLabel()->isHidden()) << "No Notes";
    EXPECT_EQ(list()->emptyLabel()->text(), "No Notes");
    EXPECT_FALSE(std::filesystem::exists(storeFile())) << "a missing store is not made";

    std::filesystem::create_directories(storeFile().parent_path());
    const std::vector<std::string> unreadable = {
        "",                                                                // an empty file
        std::string("SQLite format 3\0", 16) + std::string(4080, '\x7f'),  // a broken header
        "not a database at all\n"};
    for (const std::string& bytes : unreadable) {
        std::ofstream(storeFile(), std::ios::binary | std::ios::trunc) << bytes;
        NotesApp::shared().willEnterForeground();
        more("wait 0.5\n");
        EXPECT_TRUE(list()->notes().empty());
        EXPECT_EQ(list()->table()->numberOfRowsInSection(0), 0u);
        EXPECT_FALSE(list()->emptyLabel()->isHidden());
        EXPECT_EQ(storeBytes(), bytes);
    }

    std::filesystem::remove(storeFile());
    addNote("Readable again", "", kToday941);
    NotesApp::shared().willEnterForeground();
    EXPECT_EQ(rows(), (std::vector<NoteRow>{{"Readable again", "9:41 AM"}}));
    EXPECT_TRUE(list()->emptyLabel()->isHidden());
}

}  // namespace
