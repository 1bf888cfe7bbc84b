#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "sim/Respring.h"
#include "sim/ScriptCommandTable.h"
#include "sim/ScriptCommands.h"
#include "sim/ScriptContext.h"
#include "sim/ScriptRecorder.h"
#include "sim/ScriptRunner.h"
#include "tests/support/TemporaryDeviceRoot.h"
#include "tests/support/VirtualTimeTest.h"

namespace {

class ScriptRecorderTest : public VirtualTimeTest {
protected:
    std::string recorded() const {
        std::ifstream in(file_);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // The arguments of each type line, as the script reader reads them back.
    std::vector<ScriptCommandTable::Arguments> typedLines() const {
        std::vector<ScriptCommandTable::Arguments> typed;
        ScriptCommandTable commands = scriptCommands();
        ScriptCommandTable::Command type = *commands.find("type");
        type.prepare = [&typed](const ScriptCommandTable::Arguments& arguments) {
            typed.push_back(arguments);
            return [](ScriptContext&) {};
        };
        commands.add("type", type);
        std::ifstream script(file_);
        checkScript(script, "record", commands);
        return typed;
    }

    TemporaryDeviceRoot root_;
    std::filesystem::path file_ = root_.path() / "bug report.txt";
};

TEST_F(ScriptRecorderTest, WritesWhatThePersonDidAsAScriptWithItsTimes) {
    ScriptRecorder recorder(file_, ScriptRecorder::Start::Fresh, "plakko-sim --script FILE");
    recorder.fingerMoved({1, 1});  // no finger down: nothing
    advance(1.5);
    recorder.fingerDown({100, 200.5});
    advance(0.25);
    recorder.fingerMoved({110.25, 210});
    advance(0.0004);  // under a millisecond: no wait of its own
    recorder.fingerUp({120, 220});
    recorder.fingerUp({120, 220});
    advance(0.0012);
    recorder.typed("a b");
    recorder.typed("");
    recorder.keyPressed("return");
    recorder.rotated(UIDeviceOrientationLandscapeLeft);
    recorder.fingerDown({5, 5});
    recorder.fingerCancelled();
    advance(24 * 60 * 60 + 2);
    recorder.command("lock");
    recorder.finish();
    EXPECT_EQ(recorded(),
              "# What a person did in the plakko-sim window. Replay it headless with\n"
              "#   plakko-sim --script FILE\n"
              "wait 1.5\n"
              "touch-down 100 200.5\n"
              "wait 0.25\n"
              "touch-move 110.25 210 0 1\n"
              "touch-up 120 220\n"
              "wait 0.002\n"
              "type \"a b\"\n"
              "key return\n"
              "rotate landscape-left\n"
              "touch-down 5 5\n"
              "touch-cancel\n"
              "wait 86400\n"
              "wait 2\n"
              "lock\n"
              "screenshot \"bug report-end.png\"\n");
    std::ifstream script(file_);
    EXPECT_NO_THROW(checkScript(script, "record", scriptCommands()));
}

TEST_F(ScriptRecorderTest, TypedTextIsReadBackExactly) {
    const std::vector<std::string> texts = {
        "say \"hi\"",    "back\\slash", "trailing\\",   "\\n is not a new line",
        "two\nlines",    "  spaced  ",  "# no comment", "tab\there",
        "carriage\rret", "ünïcödé ✓",   "\"",           "\\\"",
    };
    {
        ScriptRecorder recorder(file_, ScriptRecorder::Start::Fresh, "replay");
        for (const std::string& text : texts) recorder.typed(text);
    }
    const auto typed = typedLines();
    ASSERT_EQ(typed.size(), texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(typed[i], ScriptCommandTable::Arguments{texts[i]}) << texts[i];
    }
}

// After a respring the new process goes on with the same record.
TEST_F(ScriptRecorderTest, ARespringGoesOnWithTheRecord) {
    ScriptRecorder(file_, ScriptRecorder::Start::Fresh, "replay").command("respring");
    ScriptRecorder(file_, ScriptRecorder::Start::Appending, "replay").command("unlock");
    EXPECT_EQ(recorded(),
              "# What a person did in the plakko-sim window. Replay it headless with\n#   replay\n"
              "respring\n# SpringBoard started again\nunlock\n");
    EXPECT_EQ(restartArguments({"--record", "bug.txt", "--zoom", "pixel", "--device", "ipad"},
                               std::nullopt),
              (std::vector<std::string>{"--record-more", "bug.txt", "--device", "ipad"}))
        << "the zoom is remembered by then";
    EXPECT_THROW(ScriptRecorder(root_.path() / "missing" / "bug.txt", ScriptRecorder::Start::Fresh,
                                "replay"),
                 std::runtime_error);
}

}  // namespace
