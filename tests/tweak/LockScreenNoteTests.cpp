// The note on a real lock screen: SpringBoard boots with the built tweak library and the bundle's
// images installed in a fresh device root.
#include <gtest/gtest.h>

#include "common/SettingsKeys.h"
#include "platform/foundation/SystemLog.h"
#include "platform/notes/NoteContext.h"
#include "platform/runtime/Runtime.h"
#include "platform/springboard/SpringBoard.h"
#include "platform/ui/text/KeyboardInput.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/text/UITextView.h"
#include "platform/ui/views/UILabel.h"
#include "tests/tweak/LockScreenFixture.h"

namespace {

class LockScreenNoteTest : public LockScreenFixture {
protected:
    // The overlays on the note (the tweak's own class, known here only by name), back to front,
    // by the text of their first line.
    std::vector<std::string> overlayTexts(const std::shared_ptr<UIView>& noteView) const {
        std::vector<std::string> texts;
        for (const auto& view : noteView->subviews()) {
            if (!view->isKindOfClass(objc_getClass("ProgressHUD"))) continue;
            for (const auto& part : view->subviews()) {
                if (auto label = std::dynamic_pointer_cast<UILabel>(part);
                    label && !label->text().empty()) {
                    texts.push_back(label->text());
                    break;
                }
            }
        }
        return texts;
    }
};

}  // namespace

TEST_F(LockScreenNoteTest, FreshDefaultsOnAFourInchSystemSevenPhone) {
    boot({320, 568}, "7.0.4");
    ASSERT_EQ(SpringBoard::shared().loadedTweaks(), std::vector<std::string>{"Plakko.dylib"});
    auto defaults = preferences();
    ASSERT_TRUE(defaults);
    EXPECT_EQ(defaults->size(), 5u) << "the defaults were written at load";

    auto noteView = note();
    ASSERT_NE(noteView, nullptr);
    EXPECT_EQ(noteView->frame(), CGRectMake(320, 100, 275, 300));
    EXPECT_EQ(noteView->alpha(), 1);
    EXPECT_FLOAT_EQ(noteView->layer()->shadowOpacity(), 0.5f);
    ASSERT_NE(hideButton(), nullptr);
    EXPECT_EQ(hideButton()->frame(), CGRectMake(325, 533, 30, 30));

    const auto& parts = noteView->subviews();
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[0]->frame(), CGRectMake(250, 7, 20, 20)) << "delete";
    EXPECT_EQ(parts[1]->frame(), CGRectMake(0, 265, 40, 40)) << "export";
    EXPECT_FLOAT_EQ(parts[1]->alpha(), 0.7f);
    EXPECT_EQ(parts[2]->frame(), CGRectMake(7, 7, 20, 20)) << "keyboard button";
    EXPECT_EQ(parts[2]->alpha(), 0);
    EXPECT_EQ(parts[3]->frame(), CGRectMake(5, 32, 270, 222)) << "text view";
    EXPECT_EQ(std::static_pointer_cast<UITextView>(parts[3])->font()->pointSize(), 20);
}

TEST_F(LockScreenNoteTest, TypedTextIsSavedWhenTheKeyboardButtonEndsEditing) {
    boot({320, 568}, "7.0.4");
    auto noteView = note();
    ASSERT_NE(noteView, nullptr);
    // The note sits on the main page, which is at rest one screen to the right.
    tap({100, 250});
    auto textView = std::static_pointer_cast<UITextView>(noteView->subviews()[3]);
    ASSERT_TRUE(textView->isEditing());
    EXPECT_TRUE(KeyboardInput::typeText("abc"));
    advance(0.6);
    EXPECT_EQ(noteView->subviews()[2]->alpha(), 1) << "the keyboard button shows while typing";

    tap({17, 117});  // the keyboard button at (7, 7) in the note
    EXPECT_FALSE(textView->isEditing());
    auto saved = preferences();
    ASSERT_TRUE(saved);
    EXPECT_EQ(*saved->at(Settings::Key::text).asString(), "abc");
    EXPECT_FALSE(saved->at(Settings::Key::hidden).boolValue());
    EXPECT_EQ(saved->at(Settings::Key::x).floatValue(), 320);
    EXPECT_EQ(saved->at(Settings::Key::y).floatValue(), 100);
}

TEST_F(LockScreenNoteTest, ExportSavesANoteAndSaysSoOnlyWhenTheSaveWorked) {
    boot({320, 568}, "7.0.4");
    auto noteView = note();
    ASSERT_NE(noteView, nullptr);
    tap({20, 385});  // the export button at (0, 265) in the note
    EXPECT_EQ(overlayTexts(noteView), std::vector<std::string>{"Not Saved"})
        << "an empty note is not exported";
    EXPECT_TRUE(NoteContext::allNotes()->empty());

    advance(1);  // the overlay takes touches until it has gone
    std::static_pointer_cast<UITextView>(noteView->subviews()[3])->setText("milk");
    SystemLogCapture log;
    tap({20, 385});
    EXPECT_EQ(overlayTexts(noteView).back(), "Saved");
    EXPECT_EQ(log.count("SAVED"), 1u);
    auto notes = NoteContext::allNotes();
    ASSERT_EQ(notes->size(), 1u);
    EXPECT_EQ((*notes)[0].content, "milk");
    EXPECT_EQ((*notes)[0].title, "Plakko Note");
    EXPECT_EQ((*notes)[0].guid, "new-note");

    // A store that can't be written: the note says so instead of claiming success.
    std::filesystem::remove(root_ / NoteContext::kDatabasePath);
    std::filesystem::create_directories(root_ / NoteContext::kDatabasePath);
    advance(1);
    tap({20, 385});
    EXPECT_EQ(overlayTexts(noteView), (std::vector<std::string>{"Not Saved", "Saved", "Not Saved"}))
        << "each export adds an overlay";
    EXPECT_EQ(log.count("SAVED"), 1u);
}
