#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/graphics/UIColor.h"
#include "platform/ui/touches/TouchDispatcher.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"
#include "prefs/colorpicker/ColorPickerView.h"
#include "prefs/colorpicker/ColorPickerViewDelegate.h"
#include "tests/support/VirtualTimeTest.h"

// Writes down what a wheel tells its delegate, with the selection at that moment.
class RecordingPickerDelegate : public ColorPickerViewDelegate {
public:
    void colorPicker_touchesBegan_withEvent(ColorPickerView* picker, const UITouchSet&,
                                            UIEvent*) override {
        began.push_back(picker->selection());
    }
    void colorPicker_touchesEnded_withEvent(ColorPickerView* picker, const UITouchSet&,
                                            UIEvent*) override {
        ended.push_back(picker->selection());
    }
    std::vector<CGPoint> began, ended;
};

// A 300-point wheel at (10, 10) in a visible window on a 2× screen, and a finger, on virtual
// time. Fingers go down at points of the wheel.
class PickerTest : public VirtualTimeTest {
protected:
    PickerTest() {
        UIScreen::mainScreen().configure({320, 480}, 2);
        window_->makeKeyAndVisible();
        window_->addSubview(picker_);
    }
    ~PickerTest() override {
        finger_.fingerCancelled();
        UIApplication::sharedApplication().removeWindow(window_.get());
    }

    static CGPoint onScreen(CGPoint inPicker) { return {inPicker.x + 10, inPicker.y + 10}; }
    void down(CGPoint inPicker) { finger_.fingerDown(onScreen(inPicker)); }
    void move(CGPoint inPicker) { finger_.fingerMoved(onScreen(inPicker)); }
    void up(CGPoint inPicker) { finger_.fingerUp(onScreen(inPicker)); }
    void touch(CGPoint inPicker) {
        down(inPicker);
        up(inPicker);
    }

    std::shared_ptr<UIWindow> window_ = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 480));
    std::shared_ptr<ColorPickerView> picker_ =
        std::make_shared<ColorPickerView>(CGRectMake(10, 10, 300, 300));
    TouchDispatcher finger_;
};

inline void expectPoint(CGPoint actual, CGPoint expected, double tolerance = 1e-9) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}
