// A note's page in the Notes app: its date and whole text, read-only, however long the text.
#include <algorithm>

#include "platform/notesapp/NotePageController.h"
#include "platform/notesapp/NoteTextView.h"
#include "platform/notesapp/NotesListController.h"
#include "platform/ui/tables/UITableView.h"
#include "platform/ui/views/UILabel.h"
#include "platform/ui/views/UIScreen.h"
#include "tests/scenario/NotesScenario.h"

namespace {

using NotesPageTest = NotesScenario;

// `text` without its line breaks and spaces: what survives cutting it into blocks.
std::string ink(std::string text) {
    std::erase_if(text, [](char c) { return c == '\n' || c == ' '; });
    return text;
}

std::string joined(const std::vector<std::string>& blocks) {
    std::string text;
    for (const auto& block : blocks) text += block;
    return text;
}

TEST_F(NotesPageTest, ARowOpensThePageWithTheDateAndTheWholeTextAndBackReturnsToTheList) {
    const std::string text = "Buy milk and eggs.\nCall the plumber.\n\nThe key is under the pot.";
    addNote("Shopping", "apples", kDecember29);
    addNote("Plakko Note", text, kToday941);
    runNotes("wait 0.5\ntap-row Plakko Note\nwait 0.6\nscreenshot " + output("page.png") + "\n");

    const auto page = topPage();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->title(), "Plakko Note");
    EXPECT_EQ(page->textView()->headerText(), "January 1, 2026, 9:41 AM");
    EXPECT_EQ(pageBlocks(*page), std::vector<std::string>{text});
    EXPECT_TRUE(pixelAt("page.png", 160, 300).isNear({255, 255, 255}, 2)) << "a white page";

    more("back\nwait 0.6\n");
    EXPECT_EQ(topPage(), nullptr);
    EXPECT_FALSE(list()->table()->indexPathForSelectedRow()) << "the row is deselected";
    more("tap-row Shopping\nwait 0.6\n");
    EXPECT_EQ(pageBlocks(*topPage()), std::vector<std::string>{"apples"});
}

TEST_F(NotesPageTest, AVeryLongNoteShowsAllItsTextWithLabelsOnlyForWhatIsInView) {
    std::string text;
    for (int line = 0; line < 3000; ++line)
        text += "Line " + std::to_string(line) + " of a long note, with words to wrap.\n";
    text += std::string(5000, 'x') + "\n";  // one word longer than a block
    text += std::string(300, '\n');         // a run of empty lines
    text += "\xc3\xa9t\xc3\xa9 " + std::string(3000, '\xe2') + "THE END";  // bad UTF-8
    addNote("Long", text, kToday941);
    runNotes("wait 0.5\ntap-row Long\nwait 0.6\n");

    const auto page = topPage();
    ASSERT_NE(page, nullptr);
    const auto& view = page->textView();
    EXPECT_GT(view->blockCount(), 100u);
    EXPECT_LE(view->visibleTextLabels().size(), 4u) << "only the blocks in view have labels";
    const std::vector<std::string> blocks = pageBlocks(*page);
    EXPECT_EQ(ink(joined(blocks)), ink(view->text())) << "no text is lost between blocks";
    EXPECT_EQ(view->text().substr(view->text().size() - 7), "THE END");
    const CGFloat scale = UIScreen::mainScreen().scale();
    for (const auto& label : view->visibleTextLabels())
        EXPECT_LT(label->bounds().size.height * scale, 16384) << "a block draws in one surface";
}

TEST_F(NotesPageTest, AnEmptyNoteIsANewNoteWithItsDateAndNoText) {
    addNote("", "", kYesterdayEvening);
    runNotes("wait 0.5\ntap-row New Note\nwait 0.6\n");
    ASSERT_NE(topPage(), nullptr);
    EXPECT_EQ(topPage()->title(), "New Note");
    EXPECT_EQ(topPage()->textView()->headerText(), "December 31, 2025, 7:00 PM");
    EXPECT_EQ(topPage()->textView()->blockCount(), 0u);
}

}  // namespace
