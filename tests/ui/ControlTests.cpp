#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIGraphics.h"
#include "platform/ui/layers/Compositor.h"
#include "platform/ui/views/UISegmentedControl.h"
#include "platform/ui/views/UISlider.h"
#include "platform/ui/views/UISwitch.h"
#include "tests/ui/CompositorTestSupport.h"
#include "tests/ui/ScreenPicture.h"
#include "tests/ui/SystemVersionForTesting.h"
#include "tests/ui/TouchTestSupport.h"

namespace {

// Writes down each value-changed action a control sends it ("valueChanged:").
class ValueChangeRecorder : public NSObject {
    RUNTIME_CLASS(ValueChangeRecorder)
    // One entry per action: what `read` said about the sender then.
    std::vector<float> values;
    float (*read)(UIControl*) = [](UIControl*) { return 0.0f; };

    void listenTo(UIControl& control) {
        control.addTarget_action_forControlEvents(
            std::static_pointer_cast<NSObject>(shared_from_this()),
            "valueChanged:", UIControlEventValueChanged);
    }
};

Class ValueChangeRecorder::classObject() {
    static const Class cls = defineClass<ValueChangeRecorder>(
        "ValueChangeRecorder", NSObject::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "valueChanged:", +[](id self, SEL, UIControl* sender) {
                    auto& recorder = *static_cast<ValueChangeRecorder*>(self);
                    recorder.values.push_back(recorder.read(sender));
                });
        });
    return cls;
}

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

// A switch at (100, 100), made on a device of the given system version.
class SwitchTest : public TouchTest {
protected:
    explicit SwitchTest(const char* systemVersion = "7.0.4")
        : system_(systemVersion), switch_(std::make_shared<UISwitch>(CGRectMake(100, 100, 0, 0))) {
        window_->addSubview(switch_);
        recorder_->read = [](UIControl* sender) {
            return static_cast<UISwitch*>(sender)->isOn() ? 1.0f : 0.0f;
        };
        recorder_->listenTo(*switch_);
    }

    const SystemVersionForTesting system_;
    std::shared_ptr<UISwitch> switch_;
    std::shared_ptr<ValueChangeRecorder> recorder_ = std::make_shared<ValueChangeRecorder>();
};

class ClassicSwitchTest : public SwitchTest {
protected:
    ClassicSwitchTest() : SwitchTest("6.1.3") {}

    // Whether some pixel along the switch's middle line from x0 to x1 is `colour`.
    static bool middleLineHas(CGFloat x0, CGFloat x1, Rgb colour, int tolerance) {
        const ScreenPicture screen;
        for (CGFloat x = x0; x <= x1; x += 0.5)
            if (near(screen.at(x, 113.5), colour, tolerance)) return true;
        return false;
    }
};

using Values = std::vector<float>;

}  // namespace

TEST(SliderValueTest, TheValueStaysInTheRangeWhateverIsSet) {
    auto slider = std::make_shared<UISlider>(CGRectMake(0, 0, 200, 30));
    slider->setValue(0.3f);
    EXPECT_EQ(slider->value(), 0.3f) << "kept in single precision, exactly";
    slider->setValue(std::nanf(""));
    slider->setMinimumValue(std::nanf(""));
    EXPECT_EQ(slider->value(), 0.3f) << "NaN is ignored";
    slider->setValue(-std::numeric_limits<float>::infinity());
    EXPECT_EQ(slider->value(), 0);

    slider->setMinimumValue(20);
    EXPECT_EQ(slider->maximumValue(), 20) << "the maximum never falls below the minimum";
    EXPECT_EQ(slider->value(), 20) << "a raised minimum takes the value with it";
    slider->setMaximumValue(-5);
    EXPECT_EQ(slider->minimumValue(), -5);
    EXPECT_EQ(slider->value(), -5);
}

TEST_F(SliderTest, ChangesAreReportedAsTheFingerMovesOrOnceItLifts) {
    drag(at(0), at(0.5f), 4);
    EXPECT_EQ(recorder_->values, (Values{0.125f, 0.25f, 0.375f, 0.5f}))
        << "nothing at touch down on the thumb, nothing more at the lift";
    drag(at(0.5f), {400, 300}, 2);
    EXPECT_EQ(recorder_->values.back(), 1) << "a finger beyond the end holds the thumb at it";

    recorder_->values.clear();
    slider_->setContinuous(false);
    drag(at(1), at(0.25f), 3);
    EXPECT_EQ(recorder_->values, Values{0.25f}) << "once, when the finger lifts";
    finger_.fingerDown(at(0.25f));
    finger_.fingerMoved(at(0.5f));
    finger_.fingerUp(at(0.25f));
    EXPECT_EQ(recorder_->values.size(), 1u) << "not for a drag that ends where it began";
}

TEST_F(SliderTest, TheThumbIsCaughtWhereTheFingerMeetsItAndTheTrackBringsItOver) {
    drag({29, 115}, {79, 115}, 2);
    EXPECT_EQ(slider_->value(), 0.25f) << "caught 5 points right of its centre, it stays so";
    tap(at(0.75f));
    EXPECT_EQ(recorder_->values.back(), 0.75f) << "moved under the finger at touch down";

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
    EXPECT_TRUE(near(screen.at(150, 205), kRed)) << "the background around them";
    EXPECT_TRUE(near(screen.at(124, 229), {190, 0, 0}, 40)) << "the thumb's soft shadow";
}

TEST_F(SwitchTest, TapsToggleTheSwitchAndSlidesLeaveItWhereTheyLift) {
    EXPECT_EQ(switch_->frame(), CGRectMake(100, 100, 51, 31)) << "the platform's size";
    tap({125, 115});
    tap({125, 115});
    drag({110, 115}, {145, 115}, 3);
    drag({110, 115}, {140, 115}, 3);
    drag({145, 115}, {105, 115}, 3);
    EXPECT_EQ(recorder_->values, (Values{1, 0, 1, 0}))
        << "two taps, a slide on, a slide to the side it was already on, a slide off";

    switch_->setOn_animated(true, true);
    switch_->setEnabled(false);
    tap({125, 115});
    EXPECT_TRUE(switch_->isOn()) << "a disabled switch ignores fingers";
    EXPECT_EQ(recorder_->values.size(), 4u) << "changes made in code are not reported";
}

TEST_F(SwitchTest, TheTrackTurnsGreenAndTheKnobCrossesOver) {
    const Rgb green{76, 217, 100};
    EXPECT_TRUE(near(ScreenPicture().at(140, 115), kWhite)) << "white inside the outline";
    EXPECT_FALSE(near(ScreenPicture().at(100.5, 115), kWhite, 10)) << "the grey outline";
    switch_->setOn_animated(true, true);
    endTurn();
    advance(0.1);
    EXPECT_FALSE(near(ScreenPicture().at(106, 115), green, 10)) << "still on its way";
    advance(0.3);
    const ScreenPicture on;
    EXPECT_TRUE(near(on.at(106, 115), green, 4)) << "green behind where the knob was";
    EXPECT_TRUE(near(on.at(136, 115), kWhite)) << "the knob on the right";
}

TEST_F(ClassicSwitchTest, IsWiderWithBlueOnAndGreyOffSidesSlidingUnderARoundKnob) {
    EXPECT_EQ(switch_->frame(), CGRectMake(100, 100, 79, 27)) << "the older look's size";
    EXPECT_EQ(switch_->sizeThatFits({500, 500}), (CGSize{79, 27}));
    const Rgb offSide{240, 240, 240}, grey{128, 128, 128}, blue{22, 124, 230}, knob{232, 232, 232};
    EXPECT_TRUE(middleLineHas(174, 175, offSide, 16)) << "light grey at the right end";
    EXPECT_TRUE(middleLineHas(140, 165, grey, 30)) << "OFF in grey";
    EXPECT_TRUE(middleLineHas(113, 114, knob, 16)) << "the knob at the left";
    EXPECT_FALSE(middleLineHas(100, 179, blue, 40)) << "no blue while off";

    tap({140, 113});
    advance(0.3);
    EXPECT_TRUE(middleLineHas(105, 106, blue, 24)) << "blue at the left end";
    EXPECT_TRUE(middleLineHas(110, 140, {255, 255, 255}, 8)) << "ON in white";
    EXPECT_TRUE(middleLineHas(165, 166, knob, 16)) << "the knob at the right";
    EXPECT_FALSE(middleLineHas(108, 148, grey, 30)) << "OFF has slid away";

    drag({170, 113}, {110, 113}, 3);
    EXPECT_EQ(recorder_->values, (Values{1, 0})) << "a tap on, a slide off, as in every look";
}

// Segmented controls: three equal segments across (100, 100) to (250, 129) in the flat look.
class SegmentedControlTest : public TouchTest {
protected:
    SegmentedControlTest() {
        control_->setFrame(CGRectMake(100, 100, 150, 29));
        window_->addSubview(control_);
        recorder_->read = [](UIControl* sender) {
            return static_cast<float>(
                static_cast<UISegmentedControl*>(sender)->selectedSegmentIndex());
        };
        recorder_->listenTo(*control_);
    }

    std::shared_ptr<UISegmentedControl> control_ =
        std::make_shared<UISegmentedControl>(std::vector<std::string>{"One", "Two", "Three"});
    std::shared_ptr<ValueChangeRecorder> recorder_ = std::make_shared<ValueChangeRecorder>();
};

TEST_F(SegmentedControlTest, AFingerLiftedOnAnotherSegmentSelectsItAndSaysSo) {
    EXPECT_EQ(control_->selectedSegmentIndex(), UISegmentedControl::UISegmentedControlNoSegment);
    tap({230, 114});
    tap({230, 114});
    tap({110, 114});
    EXPECT_EQ(recorder_->values, (Values{2, 0})) << "a tap on the selected segment says nothing";
    drag({110, 114}, {175, 200}, 3);
    EXPECT_EQ(control_->selectedSegmentIndex(), 0) << "lifted off the control";

    control_->setSelectedSegmentIndex(1);
    control_->setSelectedSegmentIndex(3);
    EXPECT_EQ(control_->selectedSegmentIndex(), UISegmentedControl::UISegmentedControlNoSegment)
        << "no fourth segment";
    control_->setEnabled(false);
    tap({175, 114});
    EXPECT_EQ(control_->selectedSegmentIndex(), UISegmentedControl::UISegmentedControlNoSegment);
    EXPECT_EQ(recorder_->values.size(), 2u) << "code and a disabled control send nothing";
}

TEST_F(SegmentedControlTest, TheSelectedSegmentIsFilledInEitherLook) {
    control_->setSelectedSegmentIndex(0);
    const ScreenPicture flat;
    EXPECT_TRUE(near(flat.at(104, 104), {0, 122, 255}, 4)) << "the selected segment in tint";
    EXPECT_FALSE(near(flat.at(204, 104), {0, 122, 255}, 40)) << "the others clear";
    EXPECT_TRUE(near(flat.at(249.5, 114), {0, 122, 255}, 40)) << "the outline";
    EXPECT_EQ(control_->sizeThatFits({}).height, 29);

    const SystemVersionForTesting system("6.1.3");
    auto classic = std::make_shared<UISegmentedControl>(std::vector<std::string>{"One", "Two"});
    classic->setFrame(CGRectMake(100, 200, 100, 30));
    classic->setSelectedSegmentIndex(1);
    window_->addSubview(classic);
    const ScreenPicture older;
    const Rgb unselected = older.at(104, 215), selected = older.at(196, 215);
    EXPECT_TRUE(near(unselected, {238, 238, 238}, 16)) << "light grey";
    EXPECT_GT(selected.b, selected.r + 120) << "blue";
    EXPECT_NE(older.at(125, 203).b, older.at(125, 227).b) << "a gradient down the segment";
    EXPECT_EQ(classic->sizeThatFits({}).height, 30);
}
