#include <gtest/gtest.h>

#include <SDL.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "platform/graphics/PNGCodec.h"
#include "platform/graphics/UIColor.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/text/UITextView.h"
#include "platform/ui/views/UIWindow.h"
#include "sim/DeviceScreen.h"
#include "sim/ScriptCommands.h"
#include "sim/ScriptContext.h"
#include "sim/ScriptError.h"
#include "sim/ScriptRecorder.h"
#include "sim/ScriptRunner.h"
#include "sim/WindowTyping.h"
#include "tests/support/TemporaryDeviceRoot.h"
#include "tests/ui/TextInputTestSupport.h"

namespace {

constexpr CGRect kNoteFrame = {{20, 40}, {280, 150}};

// A yellow note's text view on a grey screen, typed into by scripts.
class TextScriptTest : public TextInputTest {
protected:
    TextScriptTest() {
        window_->setBackgroundColor(UIColor::grayColor());
        note_->setFont(UIFont::systemFontOfSize(20));
        note_->setBackgroundColor(UIColor::colorWithRed_green_blue_alpha(1, 0.93, 0.55, 1));
        window_->addSubview(note_);
    }

    void runLines(const std::string& script) {
        std::istringstream in(script);
        runScript(in, "test", commands_, context_);
    }

    std::string file(const std::string& name) const { return (root_.path() / name).string(); }

    // The shade of the screenshot's pixel under a point: 0 black to 255 white.
    static int shadeAt(const CGImageRef& image, CGFloat x, CGFloat y) {
        const uint32_t pixel =
            image->pixelAt(static_cast<size_t>(x * 2), static_cast<size_t>(y * 2));
        return static_cast<int>((pixel >> 16 & 0xff) + (pixel >> 8 & 0xff) + (pixel & 0xff)) / 3;
    }

    std::shared_ptr<UITextView> note_ = std::make_shared<UITextView>(kNoteFrame);
    TemporaryDeviceRoot root_;
    DeviceScreen screen_;
    ScriptCommandTable commands_ = scriptCommands();
    ScriptContext context_{screen_, root_.path()};
};

SDL_Event textInput(const char* text) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    SDL_strlcpy(event.text.text, text, sizeof(event.text.text));
    return event;
}

SDL_Event keyDown(SDL_Keycode key, Uint16 modifiers = KMOD_NONE) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    event.key.keysym.mod = modifiers;
    return event;
}

}  // namespace

TEST_F(TextScriptTest, ATapTypingAndKeysEditTheTextViewOnScreenWithTheKeyboardBelow) {
    runLines(
        "tap 100 60\n"
        "type Hello  there\\nsecond line  # a comment\n"
        "type \"  spaced\"\n"
        "key backspace\n"
        "key return\n"
        "type C:\\\\notes\n"
        "screenshot typed.png\n"
        "dump-tree tree.json\n");
    EXPECT_EQ(note_->text(), "Hello there\nsecond line  space\nC:\\notes");

    std::ifstream treeFile(file("tree.json"));
    const auto tree = nlohmann::json::parse(treeFile);
    ASSERT_EQ(tree["windows"].size(), 2u);
    EXPECT_EQ(tree["windows"][0]["subviews"][0]["text"], note_->text());
    const auto& keyboardWindow = tree["windows"][1];
    EXPECT_EQ(keyboardWindow["class"], "UITextEffectsWindow");
    EXPECT_EQ(keyboardWindow["subviews"][0]["class"], "UIKeyboard");

    const CGImageRef shot = PNGCodec::readFile(file("typed.png"));
    ASSERT_NE(shot, nullptr);
    int darkest = 255;
    for (CGFloat x = 26; x < 120; x += 0.5) darkest = std::min(darkest, shadeAt(shot, x, 58));
    EXPECT_LT(darkest, 60) << "the first line's text is drawn in the note";
    EXPECT_GT(shadeAt(shot, 250, 58), 200) << "the note's background right of the text";
    EXPECT_GT(shadeAt(shot, 2, 480 - 214), 190) << "the light keyboard's background";
    EXPECT_LT(shadeAt(shot, 2, 200), 140) << "the grey screen between note and keyboard";
}

TEST_F(TextScriptTest, EscapesAreReadOnceInQuotesAsOutside) {
    runLines(
        "tap 100 60\n"
        "type \"C:\\\\new \\\"x\\\" # kept\"\\n\n"
        "type C:\\\\new\n");
    EXPECT_EQ(note_->text(), "C:\\new \"x\" # kept\nC:\\new");
}

TEST_F(TextScriptTest, TypingWithNothingBeingEditedStopsTheScriptAtThatLine) {
    try {
        runLines("wait 0.1\ntype hello\n");
        FAIL() << "typed into nothing";
    } catch (const ScriptError& error) {
        EXPECT_STREQ(error.what(),
                     "test:2: nothing is being edited: tap into a text view or field first");
    }
    note_->becomeFirstResponder();
    EXPECT_THROW(runLines("key escape\n"), ScriptError);
    EXPECT_EQ(note_->text(), "");
}

// What the keyboard typed is recorded, and the record types it again.
TEST_F(TextScriptTest, TheWindowsKeyboardTypesReturnsAndDeletes) {
    const auto recorder =
        std::make_shared<ScriptRecorder>(file("typing.txt"), ScriptRecorder::Start::Fresh, "");
    note_->becomeFirstResponder();
    EXPECT_TRUE(handleTypingEvent(textInput("né \"q\" \\"), recorder));
    EXPECT_TRUE(handleTypingEvent(keyDown(SDLK_RETURN), recorder));
    EXPECT_TRUE(handleTypingEvent(textInput("x"), recorder));
    EXPECT_TRUE(handleTypingEvent(keyDown(SDLK_BACKSPACE), recorder));
    EXPECT_FALSE(handleTypingEvent(keyDown(SDLK_RETURN, KMOD_LCTRL), recorder))
        << "Ctrl and Alt combinations are the window's own";
    EXPECT_FALSE(handleTypingEvent(keyDown(SDLK_ESCAPE), recorder));
    const std::string typed = "né \"q\" \\\n";
    EXPECT_EQ(note_->text(), typed);

    note_->resignFirstResponder();
    EXPECT_TRUE(handleTypingEvent(textInput("lost"), recorder)) << "nothing edited: not recorded";
    note_->setText("");
    note_->becomeFirstResponder();
    std::ifstream record(file("typing.txt"));
    std::ostringstream lines;
    lines << record.rdbuf();
    runLines(lines.str());
    EXPECT_EQ(note_->text(), typed);
}
