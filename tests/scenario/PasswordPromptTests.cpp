// The password asked before a hidden note is shown again, iPhone 5 on system 7: the hide button is
// at screen (5..35, 533..563); the prompt's field starts editing as the prompt appears.
#include "common/SettingsKeys.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/ui/text/UITextField.h"
#include "platform/ui/views/UIAlertView.h"
#include "platform/ui/views/UIAlertViewButton.h"
#include "tests/scenario/LockScreenScenario.h"

namespace {

using nlohmann::json;

constexpr char kTapHideButton[] = "tap 20 548\nwait 0.3\n";

class PasswordPromptTest : public LockScreenScenario {
protected:
    // A note saved hidden, with the password enabled and stored as `storedPass` (Base64 text).
    void writeHiddenNoteWithPassword(const char* storedPass, PlistDictionary more = {}) {
        more.insert({{Settings::Key::hidden, PlistValue::boolean(true)},
                     {Settings::Key::passEnabled, PlistValue::boolean(true)}});
        if (storedPass != nullptr)
            more.insert({Settings::Key::pass, PlistValue::string(storedPass)});
        writePreferences(more);
    }

    double noteAlphaIn(const std::string& dump) const {
        const json document = tree(dump);
        const json* note = NoteInTree::note(document);
        return note ? (*note)["alpha"].get<double>() : -1;
    }

    // Script lines: the hide button's tap, `typed` into the prompt (nothing when empty), a press
    // of `button` and, once the effect has had its time, a tree dump into `dump`.
    std::string answerPrompt(const std::string& typed, const char* button,
                             const std::string& dump) const {
        return kTapHideButton + (typed.empty() ? "" : "type " + typed + "\n") + "alert-button " +
               button + "\nwait 0.8\ndump-tree " + output(dump) + "\n";
    }

    static bool showsAPrompt(const json& dump) {
        return lastViewOfClass(dump, "UIAlertView") != nullptr;
    }
};

constexpr char kSesame[] = "c2VzYW1l";  // "sesame"

}  // namespace

TEST_F(PasswordPromptTest, OnlyTheExactPasswordShowsTheNoteAndAttemptsAreUnlimited) {
    writeHiddenNoteWithPassword(kSesame);
    runScript("wait 0.5\n" + std::string(kTapHideButton) + "type Sesame\ndump-tree " +
              output("asked.json") + "\nalert-button Ok\nwait 0.8\ndump-tree " +
              output("wrong.json") + "\n" + answerPrompt("sesame", "Cancel", "cancelled.json") +
              answerPrompt("\"sesame \"", "Ok", "trailing-space.json") +
              answerPrompt("sesame", "Ok", "right.json"));
    const json asked = tree("asked.json");
    EXPECT_TRUE(showsAPrompt(asked));
    const json* field = lastViewOfClass(asked, "UITextField");
    ASSERT_NE(field, nullptr);
    EXPECT_EQ((*field)["text"], "\u2022\u2022\u2022\u2022\u2022\u2022")
        << "the typed password shows as bullets";
    EXPECT_EQ(noteAlphaIn("asked.json"), 0) << "the prompt alone changes nothing";
    for (const char* refused : {"wrong.json", "cancelled.json", "trailing-space.json"}) {
        EXPECT_EQ(noteAlphaIn(refused), 0) << refused;
        EXPECT_FALSE(showsAPrompt(tree(refused))) << refused;
    }
    EXPECT_EQ(noteAlphaIn("right.json"), 1);
    EXPECT_FALSE(showsAPrompt(tree("right.json")));
    EXPECT_FALSE(preferences()[Settings::Key::hidden].boolValue());
}

TEST_F(PasswordPromptTest, APasswordBeyondASCIIMatchesOnlyItsExactCharacters) {
    writeHiddenNoteWithPassword("cMOkc3N3w7ZyZOKckw==");  // "pässwörd✓"
    runScript("wait 0.5\n" + answerPrompt("pÄsswörd✓", "Ok", "case.json") +
              answerPrompt("passwörd✓", "Ok", "accent.json") +
              answerPrompt("pässwörd✓", "Ok", "right.json"));
    EXPECT_EQ(noteAlphaIn("case.json"), 0);
    EXPECT_EQ(noteAlphaIn("accent.json"), 0);
    EXPECT_EQ(noteAlphaIn("right.json"), 1);
}

TEST_F(PasswordPromptTest, AMissingOrBrokenStoredPasswordMatchesNothing) {
    writeHiddenNoteWithPassword(nullptr);
    runScript("wait 0.5\n" + answerPrompt("", "Ok", "missing.json"));
    EXPECT_EQ(noteAlphaIn("missing.json"), 0) << "an empty answer to no password";
    EXPECT_TRUE(preferences()[Settings::Key::hidden].boolValue());
}

TEST_F(PasswordPromptTest, StoredTextThatIsNotBase64MatchesNothing) {
    writeHiddenNoteWithPassword("se*ame");
    runScript("wait 0.5\n" + answerPrompt("se*ame", "Ok", "typed-as-stored.json") +
              answerPrompt("", "Ok", "empty.json"));
    EXPECT_EQ(noteAlphaIn("typed-as-stored.json"), 0);
    EXPECT_EQ(noteAlphaIn("empty.json"), 0);
}

TEST_F(PasswordPromptTest, AVisibleNoteIsHiddenWithoutAsking) {
    writePreferences({{Settings::Key::passEnabled, PlistValue::boolean(true)},
                      {Settings::Key::pass, PlistValue::string(kSesame)}});
    runScript("wait 0.5\n" + std::string(kTapHideButton) + "wait 0.5\ndump-tree " +
              output("hidden.json") + "\n");
    EXPECT_FALSE(showsAPrompt(tree("hidden.json")));
    EXPECT_EQ(noteAlphaIn("hidden.json"), 0);
    EXPECT_TRUE(preferences()[Settings::Key::hidden].boolValue());
}

namespace {

// The stored title and message keys of one case and the texts the prompt shows for them.
struct PromptTexts {
    const char* name;
    const char* storedTitle;  // null: the key is absent
    const char* storedMessage;
    std::string title, message;
};

void PrintTo(const PromptTexts& texts, std::ostream* out) {
    *out << texts.name;
}

class PromptTextsTest : public PasswordPromptTest,
                        public testing::WithParamInterface<PromptTexts> {};

}  // namespace

// The prompt is still on screen when the run ends, so it is read in-process.
TEST_P(PromptTextsTest, TitleAndMessageComeFromTheFile) {
    const PromptTexts& texts = GetParam();
    PlistDictionary stored;
    if (texts.storedTitle)
        stored.insert({Settings::Key::lockTitle, PlistValue::string(texts.storedTitle)});
    if (texts.storedMessage)
        stored.insert({Settings::Key::lockMessage, PlistValue::string(texts.storedMessage)});
    writeHiddenNoteWithPassword(kSesame, stored);
    runScript("wait 0.5\n" + std::string(kTapHideButton));

    const auto alerts = UIAlertView::visibleAlerts();
    ASSERT_EQ(alerts.size(), 1u);
    const auto& alert = alerts.back();
    EXPECT_EQ(alert->title(), texts.title);
    EXPECT_EQ(alert->message(), texts.message);
    ASSERT_EQ(alert->numberOfButtons(), 2);
    EXPECT_EQ(alert->buttonTitleAtIndex(0), "Cancel");
    EXPECT_EQ(alert->buttonTitleAtIndex(1), "Ok");
    const auto field = alert->textFieldAtIndex(0);
    ASSERT_NE(field, nullptr);
    EXPECT_TRUE(field->isSecureTextEntry());
    EXPECT_EQ(field->placeholder(), "Password");

    // Answered, the prompt lets go of itself before the process ends.
    alert->buttonAtIndex(0)->sendActionsForControlEvents(UIControlEventTouchUpInside);
    NSRunLoop::mainRunLoop().runUntilDate(NSDate::now() + 0.5);
    EXPECT_TRUE(UIAlertView::visibleAlerts().empty());
}

INSTANTIATE_TEST_SUITE_P(
    LockScreenPrompt, PromptTextsTest,
    testing::Values(PromptTexts{"Defaults", nullptr, nullptr, "Enter Password",
                                "This Note is Password Protected"},
                    PromptTexts{"OnlyTitle", "Private", nullptr, "Private", ""},
                    PromptTexts{"OnlyMessage", nullptr, "Ask Anna", "", "Ask Anna"},
                    PromptTexts{"Both", "Private", "Ask Anna", "Private", "Ask Anna"},
                    PromptTexts{"EmptyTitleKeepsNoMessage", "", nullptr, "", ""}),
    [](const testing::TestParamInfo<PromptTexts>& info) { return std::string(info.param.name); });
