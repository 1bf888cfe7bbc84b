#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/ui/UISlider.h"
#include "platform/ui/UISwitch.h"
#include "tests/ui/ControlTestSupport.h"
#include "tests/ui/TouchTestSupport.h"

namespace {

// A slider that paints its background, as the colour picker's sliders do.
class RedSlider : public UISlider {
    RUNTIME_CLASS(RedSlider)
    using UISlider::UISlider;
    void drawRect(CGRect rect) override {
        UIColor::redColor()->setFill();
        UIRectFill(rect);
    }
};

Class RedSlider::classObject() {
    static const Class cls =
        defineClass<RedSlider>("RedSlider", UISlider::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "drawRect:",
                +[](id self, SEL, CGRect rect) { static_cast<RedSlider*>(self)->drawRect(rect); });
        });
    return cls;
}

// A slider whose thumb centre travels from x = 24 to x = 224 on screen (200 points for the
// whole range), along y = 115.
class SliderTest : public TouchTest {
protected:
    SliderTest() {
        window_->addSubview(slider_);
        recorder_->read = [](UIControl* sender) { return static_cast<UISlider*>(sender)->value(); };
        recorder_->listenTo(*slider_);
    }

    static CGPoint at(float value) { return {24 + 200 * value, 115}; }

    std::shared_ptr<UISlider> slider_ = std::make_shared<UISlider>(CGRectMake(10, 100, 228, 30));
    std::shared_ptr<ValueChangeRecorder> recorder_ = std::make_shared<ValueChangeRecorder>();
};

class SwitchTest : public TouchTest {
protected:
    SwitchTest() {
        window_->addSubview(switch_);
        recorder_->read = [](UIControl* sender) {
            return static_cast<UISwitch*>(sender)->isOn() ? 1.0f : 0.0f;
        };
        recorder_->listenTo(*switch_);
    }

    std::shared_ptr<UISwitch> switch_ = std::make_shared<UISwitch>(CGRectMake(100, 100, 0, 0));
    std::shared_ptr<ValueChangeRecorder> recorder_ = std::make_shared<ValueChangeRecorder>();
};

using Values = std::vector<float>;
constexpr float kInfinity = std::numeric_limits<float>::infinity();

}  // namespace

TEST(SliderValueTest, TheValueStaysInTheRangeWhateverIsSet) {
    auto slider = std::make_shared<UISlider>(CGRectMake(0, 0, 200, 30));
    EXPECT_EQ(slider->value(), 0);
    slider->setValue(0.3f);
    EXPECT_EQ(slider->value(), 0.3f) << "kept in single precision, exactly";
    slider->setValue(1.5f);
    EXPECT_EQ(slider->value(), 1);
    slider->setValue(std::nanf(""));
    EXPECT_EQ(slider->value(), 1) << "NaN is ignored";
    slider->setValue(-kInfinity);
    EXPECT_EQ(slider->value(), 0);

    slider->setMaximumValue(10);
    slider->setValue(4);
    slider->setMinimumValue(6);
    EXPECT_EQ(slider->value(), 6) << "a raised minimum takes the value with it";
    slider->setMinimumValue(20);
    EXPECT_EQ(slider->maximumValue(), 20) << "the maximum never falls below the minimum";
    EXPECT_EQ(slider->value(), 20);
    slider->setMaximumValue(-5);
    EXPECT_EQ(slider->minimumValue(), -5);
    EXPECT_EQ(slider->value(), -5);
    slider->setMinimumValue(std::nanf(""));
    slider->setMaximumValue(std::nanf(""));
    EXPECT_EQ(slider->minimumValue(), -5);
    EXPECT_EQ(slider->maximumValue(), -5);
    slider->setValue(kInfinity);
    EXPECT_EQ(slider->value(), -5) << "a range of one value holds only that value";
}

TEST_F(SliderTest, AContinuousSliderReportsEveryStepOfTheDrag) {
    drag(at(0), at(0.5f), 4);
    EXPECT_EQ(recorder_->values, (Values{0.125f, 0.25f, 0.375f, 0.5f}))
        << "nothing at touch down on the thumb, nothing more at the lift";
    EXPECT_EQ(slider_->value(), 0.5f);

    drag(at(0.5f), {400, 300}, 2);
    EXPECT_EQ(slider_->value(), 1) << "a finger beyond the end holds the thumb at it";
    EXPECT_EQ(recorder_->values.back(), 1);
    const size_t changes = recorder_->values.size();
    drag(at(1), {500, 115}, 3);
    EXPECT_EQ(recorder_->values.size(), changes) << "no report without a change";
}

TEST_F(SliderTest, ANonContinuousSliderReportsOnceWhenTheFingerLifts) {
    slider_->setContinuous(false);
    finger_.fingerDown(at(0));
    for (float value : {0.1f, 0.2f, 0.3f}) {
        advance(0.05);
        finger_.fingerMoved(at(value));
    }
    EXPECT_TRUE(recorder_->values.empty());
    EXPECT_NEAR(slider_->value(), 0.3f, 1e-6) << "the value follows the finger all the same";
    finger_.fingerUp(at(0.3f));
    ASSERT_EQ(recorder_->values.size(), 1u);
    EXPECT_NEAR(recorder_->values[0], 0.3f, 1e-6);

    drag(at(0.3f), at(0.3f), 2);
    EXPECT_EQ(recorder_->values.size(), 1u) << "a drag that ends where it began changes nothing";
}

TEST_F(SliderTest, TheThumbIsCaughtWhereTheFingerMeetsItAndTheTrackBringsItOver) {
    drag({29, 115}, {79, 115}, 2);
    EXPECT_EQ(slider_->value(), 0.25f) << "caught 5 points right of its centre, it stays so";

    tap(at(0.75f));
    EXPECT_EQ(slider_->value(), 0.75f) << "a touch on the track moves the thumb under it";
    EXPECT_EQ(recorder_->values.back(), 0.75f) << "reported at touch down";

    slider_->setValue(0.5f);
    slider_->setEnabled(false);
    tap(at(0.1f));
    EXPECT_EQ(slider_->value(), 0.5f) << "a disabled slider ignores fingers";
    EXPECT_EQ(recorder_->values.back(), 0.75f) << "values set in code are not reported";
}

TEST_F(SliderTest, TrackAndThumbAreDrawnOverTheBackgroundASubclassPaints) {
    auto red = std::make_shared<RedSlider>(CGRectMake(10, 200, 228, 30));
    red->setValue(0.5f);
    window_->addSubview(red);
    const ScreenPicture screen;
    EXPECT_TRUE(near(screen.at(124, 215), kWhite)) << "the thumb at the middle";
    EXPECT_TRUE(near(screen.at(60, 215), {0, 122, 255}, 4)) << "the filled track on its left";
    EXPECT_TRUE(near(screen.at(190, 215), {184, 184, 184}, 4)) << "the empty track on its right";
    EXPECT_TRUE(near(screen.at(60, 205), kRed)) << "the background around the track";
    EXPECT_TRUE(near(screen.at(150, 205), kRed)) << "the background beside the thumb";
    const Rgb shadow = screen.at(124, 229);
    EXPECT_LT(shadow.r, 250) << "the thumb casts a soft shadow below";
    EXPECT_GT(shadow.r, 100);
}

TEST_F(SwitchTest, TapsToggleTheSwitchAndSlidesLeaveItWhereTheyLift) {
    EXPECT_EQ(switch_->frame(), CGRectMake(100, 100, 51, 31)) << "the platform's size";
    EXPECT_FALSE(switch_->isOn());
    tap({125, 115});
    EXPECT_TRUE(switch_->isOn());
    tap({125, 115});
    EXPECT_FALSE(switch_->isOn());
    EXPECT_EQ(recorder_->values, (Values{1, 0}));

    drag({110, 115}, {145, 115}, 3);
    EXPECT_TRUE(switch_->isOn()) << "slid to the right";
    drag({110, 115}, {140, 115}, 3);
    EXPECT_TRUE(switch_->isOn()) << "sliding to the side it is on changes nothing";
    drag({145, 115}, {105, 115}, 3);
    EXPECT_FALSE(switch_->isOn());
    EXPECT_EQ(recorder_->values, (Values{1, 0, 1, 0}));

    switch_->setOn_animated(true, true);
    switch_->setEnabled(false);
    tap({125, 115});
    EXPECT_TRUE(switch_->isOn()) << "a disabled switch ignores fingers";
    EXPECT_EQ(recorder_->values.size(), 4u) << "changes made in code are not reported";
}

TEST_F(SwitchTest, TheTrackTurnsGreenAndTheKnobCrossesOver) {
    const Rgb green{76, 217, 100};
    {
        const ScreenPicture off;
        EXPECT_TRUE(near(off.at(140, 115), kWhite)) << "white inside the outline";
        EXPECT_TRUE(near(off.at(115, 115), kWhite)) << "the knob on the left";
        EXPECT_FALSE(near(off.at(100.5, 115), kWhite, 10)) << "the grey outline";
    }
    switch_->setOn_animated(true, true);
    endTurn();
    advance(0.1);
    EXPECT_FALSE(near(ScreenPicture().at(110, 115), green, 10)) << "still on its way";
    advance(0.3);
    const ScreenPicture on;
    EXPECT_TRUE(near(on.at(106, 115), green, 4)) << "green behind where the knob was";
    EXPECT_TRUE(near(on.at(136, 115), kWhite)) << "the knob on the right";
}
