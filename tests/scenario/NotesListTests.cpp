// The Notes app's list: its rows' names and dates, newest first, in both looks, and a store of
// thousands of notes.
#include <cmath>

#include "platform/notesapp/NotePageController.h"
#include "platform/notesapp/NoteTextView.h"
#include "platform/notesapp/NotesDateText.h"
#include "platform/notesapp/NotesListController.h"
#include "platform/ui/navigation/UINavigationController.h"
#include "platform/ui/tables/UITableView.h"
#include "platform/ui/views/UILabel.h"
#include "tests/scenario/NotesScenario.h"

namespace {

using NotesListTest = NotesScenario;

TEST_F(NotesListTest, RowsAreTheNotesNewestFirstNamedAndDatedAsTheSystemDoes) {
    addNote("Shopping", "apples, pears", kDecember29);
    addNote("Plakko Note", "Buy milk", kToday941);
    addNote("  \n", "\n   Call the plumber  \nabout the sink", kYesterdayEvening);
    addNote("", "", kDecember29 - 400 * 86400.0);
    addNote(std::string(300, 'w') + "\xff", "long title", kDecember29 - 86400);
    runNotes("wait 0.5\nscreenshot " + output("list.png") + "\n");

    EXPECT_EQ(list()->title(), "Notes");
    EXPECT_EQ(rows(), (std::vector<NoteRow>{{"Plakko Note", "9:41 AM"},
                                            {"Call the plumber", "Yesterday"},
                                            {"Shopping", "12/29/25"},
                                            {std::string(200, 'w'), "12/28/25"},
                                            {"New Note", "11/24/24"}}));
    EXPECT_TRUE(list()->emptyLabel()->isHidden());
    EXPECT_TRUE(pixelAt("list.png", 160, 400).isNear({255, 255, 255}, 2)) << "white below the rows";
}

TEST_F(NotesListTest, DatesAreTheDaysOfTheDeviceClockAndNothingWhenUnreadable) {
    const double now = kToday941;
    EXPECT_EQ(notesListDateText(VirtualClock::kDefaultStart, now), "12:00 AM");
    EXPECT_EQ(notesListDateText(VirtualClock::kDefaultStart + 13 * 3600 + 5 * 60, now), "1:05 PM");
    EXPECT_EQ(notesListDateText(VirtualClock::kDefaultStart - 1, now), "Yesterday");
    EXPECT_EQ(notesListDateText(VirtualClock::kDefaultStart - 86400, now), "Yesterday");
    EXPECT_EQ(notesListDateText(VirtualClock::kDefaultStart - 86401, now), "12/30/25");
    EXPECT_EQ(notesListDateText(now + 86400, now), "1/2/26") << "a date after today";
    EXPECT_EQ(notesListDateText(-978307200.0, now), "1/1/70");
    EXPECT_EQ(notesPageDateText(kToday941), "January 1, 2026, 9:41 AM");
    for (double unreadable : {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e300, -1e15}) {
        EXPECT_EQ(notesListDateText(unreadable, now), "") << unreadable;
        EXPECT_EQ(notesPageDateText(unreadable), "") << unreadable;
    }
}

TEST_F(NotesListTest, BeforeSystem7TheListIsRuledYellowPaper) {
    addNote("Shopping", "apples", kDecember29);
    runNotes("wait 0.5\nscreenshot " + output("list.png") + "\n", kIPhone4SSystem6);
    EXPECT_EQ(rows(), (std::vector<NoteRow>{{"Shopping", "12/29/25"}}));
    const ScreenPixel paper{250, 241, 185};
    EXPECT_TRUE(pixelAt("list.png", 100, 90).isNear(paper, 4)) << "the row";
    EXPECT_TRUE(pixelAt("list.png", 160, 300).isNear(paper, 4)) << "below the rows";
    EXPECT_FALSE(pixelAt("list.png", 100, 107.75).isNear(paper, 4)) << "the rule under the row";
}

TEST_F(NotesListTest, ThousandsOfNotesScrollWithAScreenfulOfCellsAndTheLastOpens) {
    addNumberedNotes(3000);
    runNotes("wait 0.5\ntap-row Note 2999\nwait 0.6\n");
    ASSERT_EQ(list()->notes().size(), 3000u);
    EXPECT_EQ(list()->notes().front().title, "Note 0");
    ASSERT_NE(topPage(), nullptr);
    EXPECT_EQ(topPage()->title(), "Note 2999");
    EXPECT_EQ(topPage()->textView() ? topPage()->textView()->text() : "", "Text 2999");
    EXPECT_LT(list()->table()->visibleCells().size(), 20u);
}

}  // namespace
