// Settings of the wrong kind or of absurd value, as a damaged or hand-edited preference file can
// hold them. The note reads them through the platform's conversions, yet SpringBoard never
// crashes or hangs, every effect finishes, and a tap-then-hold on the hide button always brings
// the note home: finite, on screen and drawn.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

#include "common/SettingsKeys.h"
#include "platform/foundation/CFPreferences.h"
#include "platform/ui/layers/CALayer.h"
#include "platform/ui/layers/Compositor.h"
#include "platform/ui/text/KeyboardInput.h"
#include "platform/ui/text/UIFont.h"
#include "platform/ui/text/UITextView.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"
#include "tests/tweak/LockScreenFixture.h"

namespace {

namespace Key = Settings::Key;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr CGSize kScreen{320, 568};
// Longer than any effect, spring or fade that a sound setting makes.
constexpr double kSettle = 2;

// Ends the process when a test runs far longer than a sound run could, so that a hang fails here
// instead of waiting for CTest's timeout.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit)
        : thread_([this, limit](std::stop_token stop) {
              std::unique_lock lock(mutex_);
              wake_.wait_for(lock, stop, limit, [] { return false; });
              if (stop.stop_requested()) return;
              std::fprintf(stderr, "Hung: the test ran longer than %llds\n",
                           static_cast<long long>(limit.count()));
              std::abort();
          }) {}

private:
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::jthread thread_;
};

PlistValue number(double value) {
    return PlistValue::real(value);
}

// One damaged preference file: what it holds, the "animation" values to hide the note with in
// turn, and the opacity the shown note then has.
struct AbsurdSettings {
    const char* name;
    PlistDictionary settings;
    std::vector<PlistValue> effects;
    double shownOpacity = 1;
};

void PrintTo(const AbsurdSettings& absurd, std::ostream* out) {
    *out << absurd.name;
}

std::vector<PlistValue> everyEffect() {
    std::vector<PlistValue> effects;
    for (int effect = 1; effect <= 5; ++effect) effects.push_back(PlistValue::float32(effect));
    return effects;
}

std::vector<AbsurdSettings> absurdSettings() {
    const auto effects = everyEffect();
    return {
        {"PositionNotANumber",
         {{Key::x, number(kNaN)}, {Key::y, number(kNaN)}, {Key::text, PlistValue::string("kept")}},
         effects},
        {"PositionInfinite", {{Key::x, number(kInfinity)}, {Key::y, number(-kInfinity)}}, effects},
        {"PositionFarOffScreen",
         {{Key::x, PlistValue::float32(std::numeric_limits<float>::max())},
          {Key::y, PlistValue::float32(-1e30f)}},
         effects},
        {"HideButtonOffsetsNotFinite",
         {{Key::xoff, number(kNaN)}, {Key::yoff, number(kInfinity)}},
         effects},
        {"OpacityNotANumber", {{Key::alpha, number(kNaN)}}, effects},
        {"OpacityInfinite", {{Key::alpha, number(-kInfinity)}}, effects},
        {"OpacityAboveOne", {{Key::alpha, PlistValue::float32(5)}}, effects, 5},
        {"FontSizeNotANumber", {{Key::fontSize, number(kNaN)}}, effects},
        {"FontSizeInfinite", {{Key::fontSize, number(kInfinity)}}, effects},
        {"FontSizeZero", {{Key::fontSize, PlistValue::float32(0)}}, effects},
        {"FontSizeHuge", {{Key::fontSize, PlistValue::float32(100000)}}, effects},
        {"FontSizeNegative", {{Key::fontSize, PlistValue::float32(-20)}}, effects},
        {"DurationNotANumber", {{Key::duration, number(kNaN)}}, effects},
        {"DurationInfinite", {{Key::duration, number(kInfinity)}}, effects},
        {"DurationNegative", {{Key::duration, PlistValue::float32(-5)}}, effects},
        {"DurationNegativeInfinite", {{Key::duration, number(-kInfinity)}}, effects},
        {"EffectsOutOfRange",
         {{Key::enabled, PlistValue::boolean(true)}},
         {PlistValue::float32(2.5f), PlistValue::float32(0), PlistValue::float32(-1),
          PlistValue::float32(6), PlistValue::float32(103), number(kNaN), number(kInfinity),
          PlistValue::integer(std::numeric_limits<std::int64_t>::max())}},
        {"StringsForNumbers",
         {{Key::x, PlistValue::string("left")},
          {Key::y, PlistValue::string("nan")},
          {Key::alpha, PlistValue::string("0.5")},
          {Key::fontSize, PlistValue::string("1e999")},
          {Key::duration, PlistValue::string("-inf")},
          {Key::xoff, PlistValue::string("far")},
          {Key::yoff, PlistValue::string("-1e999")}},
         {PlistValue::string("3"), PlistValue::string("2.5"), PlistValue::string("flip"),
          PlistValue::string("1")},
         0.5},
        {"OtherKindsForNumbers",
         {{Key::x, PlistValue::array({number(kNaN)})},
          {Key::y, PlistValue::date(kNaN)},
          {Key::fontSize, PlistValue::dictionary({{Key::fontSize, number(kInfinity)}})},
          {Key::duration, PlistValue::data({0xff, 0xff})}},
         {PlistValue::boolean(true), PlistValue::array({}), PlistValue::date(kInfinity)}},
    };
}

class AbsurdSettingsTest : public LockScreenFixture,
                           public testing::WithParamInterface<AbsurdSettings> {
protected:
    void bootWith(const PlistDictionary& settings) {
        writePreferences(settings);
        boot(kScreen, "7.0.4");
        screen_ = std::make_unique<Compositor>(kScreen.width * 2, kScreen.height * 2, 2);
    }

    void setSetting(const char* key, const PlistValue& value) {
        CFPreferencesSetValue(key, value, Settings::kDomain, kCFPreferencesCurrentUser,
                              kCFPreferencesAnyHost);
    }

    // The screen as it is now, drawn by the compositor as the device shows it.
    std::vector<std::uint32_t> render() {
        endTurn();
        std::vector<std::shared_ptr<CALayer>> roots;
        for (const auto& window : UIApplication::sharedApplication().windows())
            roots.push_back(window->layer());
        screen_->renderFrame(roots);
        return {screen_->pixels(),
                screen_->pixels() + screen_->pixelWidth() * screen_->pixelHeight()};
    }

    // How many pixels of `view`'s place on screen change when it is hidden.
    size_t pixelsDrawnBy(UIView& view) {
        const auto shown = render();
        view.setHidden(true);
        const auto hidden = render();
        view.setHidden(false);
        const CGRect place = view.convertRect_toView(view.bounds(), nullptr);
        const auto width = static_cast<long>(screen_->pixelWidth());
        size_t differing = 0;
        for (long y = std::lround(place.origin.y * 2); y < std::lround(CGRectGetMaxY(place) * 2);
             ++y) {
            for (long x = std::lround(place.origin.x * 2);
                 x < std::lround(CGRectGetMaxX(place) * 2); ++x) {
                differing += shown[y * width + x] != hidden[y * width + x];
            }
        }
        return differing;
    }

    CGPoint hideButtonCentre() const {
        auto button = hideButton();
        return button->convertPoint_toView({15, 15}, nullptr);
    }

    std::shared_ptr<UITextView> textView() const {
        return std::static_pointer_cast<UITextView>(note()->subviews().at(3));
    }

    // The note at its home frame, finite, wholly on screen, at rest and drawn.
    void expectHomeAndShown(double opacity) {
        auto noteView = note();
        ASSERT_NE(noteView, nullptr);
        EXPECT_EQ(noteView->frame(), CGRectMake(kScreen.width, 100, 275, 300));
        const CGRect onScreen = noteView->convertRect_toView(noteView->bounds(), nullptr);
        EXPECT_TRUE(onScreen.origin.x >= 0 && onScreen.origin.y >= 0 &&
                    CGRectGetMaxX(onScreen) <= kScreen.width &&
                    CGRectGetMaxY(onScreen) <= kScreen.height)
            << "on screen at " << onScreen.origin.x << ", " << onScreen.origin.y;
        EXPECT_FALSE(noteView->layer()->hasRunningAnimations());
        EXPECT_FLOAT_EQ(noteView->alpha(), opacity);
        EXPECT_GT(pixelsDrawnBy(*noteView), 275u * 300u) << "most of the note's pixels show";
    }

    void hideAndShowWith(const PlistValue& effect) {
        setSetting(Key::animation, effect);
        tap(hideButtonCentre(), 0.1);
        render();
        advance(kSettle);
        render();
        EXPECT_EQ(note()->alpha(), 0);
        EXPECT_FALSE(note()->layer()->hasRunningAnimations()) << "the effect finished";
        EXPECT_TRUE(preferences()->at(Key::hidden).boolValue());

        tap(hideButtonCentre(), 0.1);
        render();
        advance(kSettle);
        EXPECT_FALSE(preferences()->at(Key::hidden).boolValue());
        EXPECT_FALSE(note()->layer()->hasRunningAnimations());
    }

    void typeIntoTheNote() {
        auto noteView = note();
        tap(noteView->convertPoint_toView({130, 150}, nullptr));
        ASSERT_TRUE(textView()->isEditing());
        EXPECT_TRUE(KeyboardInput::typeText("abc"));
        advance(0.6);
        render();
        tap(noteView->convertPoint_toView({17, 17}, nullptr));  // the keyboard button
        EXPECT_FALSE(textView()->isEditing());
        EXPECT_EQ(*preferences()->at(Key::text).asString(), textView()->text());
        EXPECT_TRUE(textView()->text().ends_with("abc"));
    }

    void dragTheNote() {
        auto noteView = note();
        const CGPoint start = noteView->convertPoint_toView({137, 15}, nullptr);
        drag(start, {start.x - 60, start.y + 120}, 10);  // clear of the hide button
        render();
        const CGRect frame = noteView->frame();
        EXPECT_TRUE(std::isfinite(frame.origin.x) && std::isfinite(frame.origin.y));
        EXPECT_NE(frame.origin, CGPointMake(kScreen.width, 100)) << "the note moved";
        const auto saved = preferences();
        EXPECT_EQ(saved->at(Key::x).floatValue(), static_cast<float>(frame.origin.x));
        EXPECT_EQ(saved->at(Key::y).floatValue(), static_cast<float>(frame.origin.y));
    }

    void holdTheHideButton() { tapThenHold(hideButtonCentre(), 0.3, kSettle); }

    Watchdog watchdog_{std::chrono::seconds(300)};
    std::unique_ptr<Compositor> screen_;
};

}  // namespace

TEST_P(AbsurdSettingsTest, TheNoteStaysReachableAndEveryEffectEnds) {
    const AbsurdSettings& absurd = GetParam();
    bootWith(absurd.settings);
    ASSERT_EQ(preferences()->size(), absurd.settings.size()) << "the file was kept as written";
    advance(1);
    render();
    auto noteView = note();
    ASSERT_NE(noteView, nullptr);
    ASSERT_NE(hideButton(), nullptr);
    const CGRect built = noteView->frame();
    EXPECT_TRUE(std::isfinite(built.origin.x) && std::isfinite(built.origin.y))
        << "the note is never placed where it can't be drawn";
    const CGRect hideFrame = hideButton()->frame();
    EXPECT_TRUE(std::isfinite(hideFrame.origin.x) && std::isfinite(hideFrame.origin.y));
    const CGFloat fontSize = textView()->font()->pointSize();
    EXPECT_TRUE(std::isfinite(fontSize)) << fontSize;

    holdTheHideButton();
    expectHomeAndShown(absurd.shownOpacity);
    for (const PlistValue& effect : absurd.effects) hideAndShowWith(effect);
    expectHomeAndShown(absurd.shownOpacity);

    typeIntoTheNote();
    dragTheNote();
    holdTheHideButton();
    expectHomeAndShown(absurd.shownOpacity);
}

INSTANTIATE_TEST_SUITE_P(DamagedPreferenceFiles, AbsurdSettingsTest,
                         testing::ValuesIn(absurdSettings()),
                         [](const testing::TestParamInfo<AbsurdSettings>& info) {
                             return std::string(info.param.name);
                         });
