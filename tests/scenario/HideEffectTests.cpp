// The hide button's tap on a visible note, iPhone 5 on system 7: each effect runs for the chosen
// duration and leaves the note fully transparent. Screenshots at chosen virtual times show what
// is still on screen; the note's rectangle is screen (0..275, 100..400).
#include "common/SettingsKeys.h"
#include "tests/scenario/LockScreenScenario.h"

namespace {

using nlohmann::json;

// The note on screen, and a pixel count below which nothing of it is left.
constexpr double kNoteX = 0, kNoteY = 100, kNoteWidth = 275, kNoteHeight = 300;
constexpr size_t kNothingLeft = 50;

class HideEffectTest : public LockScreenScenario {
protected:
    // Taps the hide button and takes a screenshot and a tree dump "<name>.png/.json" `seconds`
    // after the tap for each of `moments` (increasing), and "before" just before the tap and
    // "final" well after.
    void hideAndCapture(const std::vector<std::pair<std::string, double>>& moments) {
        std::string script = "wait 0.5\nscreenshot " + output("before.png") + "\ntap 20 548\n";
        double elapsed = 0;
        for (const auto& [name, seconds] : moments) {
            script += "wait " + std::to_string(seconds - elapsed) + "\nscreenshot " +
                      output(name + ".png") + "\ndump-tree " + output(name + ".json") + "\n";
            elapsed = seconds;
        }
        script += "wait 1.5\nscreenshot " + output("final.png") + "\n";
        runScript(script);
    }

    // The pixels of the note's rectangle where `shot` still differs from the final, hidden screen.
    size_t noteLeftIn(const std::string& shot) const {
        return differingPixels(shot, "final.png", kNoteX, kNoteY, kNoteWidth, kNoteHeight);
    }

    double noteAlphaIn(const std::string& dump) const {
        const json document = tree(dump);
        const json* note = NoteInTree::note(document);
        return note ? (*note)["alpha"].get<double>() : -1;
    }
};

struct Effect {
    float animation;
    const char* name;
};

void PrintTo(const Effect& effect, std::ostream* out) {
    *out << effect.name;
}

class EachHideEffect : public HideEffectTest, public testing::WithParamInterface<Effect> {};

}  // namespace

TEST_P(EachHideEffect, RunsForItsDurationAndLeavesTheNoteTransparent) {
    writePreferences({{Settings::Key::animation, PlistValue::float32(GetParam().animation)},
                      {Settings::Key::duration, PlistValue::float32(10)}});
    hideAndCapture({{"started", 0.0}, {"midway", 0.3}, {"ended", 1.05}});

    const size_t wholeNote = noteLeftIn("before.png");
    EXPECT_GT(wholeNote, 100000u) << "the note covers most of its rectangle";
    EXPECT_EQ(noteAlphaIn("started.json"), 0) << "opacity 0 before the effect runs";
    const size_t midway = noteLeftIn("midway.png");
    EXPECT_GT(midway, wholeNote / 10) << "partly visible at 0.3 of 1 second";
    EXPECT_LT(noteLeftIn("ended.png"), kNothingLeft) << "gone once the second has passed";
    EXPECT_TRUE(preferences()[Settings::Key::hidden].boolValue());
}

INSTANTIATE_TEST_SUITE_P(HideEffects, EachHideEffect,
                         testing::Values(Effect{1, "Fade"}, Effect{2, "CurlUp"},
                                         Effect{3, "IntoTheHideButton"}, Effect{4, "FlipFromRight"},
                                         Effect{5, "FlipFromLeft"}),
                         [](const testing::TestParamInfo<Effect>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(HideEffectTest, WithoutADurationTheFadeTakesThreeTenths) {
    writePreferences({{Settings::Key::animation, PlistValue::float32(1)}});
    hideAndCapture({{"midway", 0.15}, {"ended", 0.35}});
    EXPECT_GT(noteLeftIn("midway.png"), noteLeftIn("before.png") / 10);
    EXPECT_LT(noteLeftIn("ended.png"), kNothingLeft);
}

TEST_F(HideEffectTest, AnUnknownEffectMakesTheNoteVanishAtOnce) {
    writePreferences({{Settings::Key::animation, PlistValue::float32(6)},
                      {Settings::Key::duration, PlistValue::float32(10)}});
    hideAndCapture({{"started", 0.0}});
    EXPECT_EQ(noteAlphaIn("started.json"), 0);
    EXPECT_LT(noteLeftIn("started.png"), kNothingLeft);
    EXPECT_TRUE(preferences()[Settings::Key::hidden].boolValue());
}

TEST_F(HideEffectTest, TheHideButtonStaysAndShowsTheNoteAgainAtItsOpacity) {
    writePreferences({{Settings::Key::animation, PlistValue::float32(4)},
                      {Settings::Key::alpha, PlistValue::float32(0.4f)}});
    runScript("wait 0.5\ntap 20 548\nwait 0.5\ndump-tree " + output("hidden.json") +
              "\ntap 20 548\nwait 0.2\ndump-tree " + output("showing.json") +
              "\nwait 0.6\ndump-tree " + output("shown.json") + "\n");
    EXPECT_EQ(noteAlphaIn("hidden.json"), 0);
    EXPECT_NE(NoteInTree::hideButton(tree("hidden.json")), nullptr);
    EXPECT_EQ(noteAlphaIn("showing.json"), 0.4);
    EXPECT_EQ(noteAlphaIn("shown.json"), 0.4);
    EXPECT_FALSE(preferences()[Settings::Key::hidden].boolValue())
        << "written when the show has finished";
}
