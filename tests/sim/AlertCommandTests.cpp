#include <gtest/gtest.h>

#include <sstream>

#include "platform/foundation/Clock.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/graphics/UIColor.h"
#include "platform/ui/UIActivityIndicatorView.h"
#include "platform/ui/UIAlertView.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UISlider.h"
#include "platform/ui/UISwitch.h"
#include "platform/ui/UIWindow.h"
#include "sim/DeviceScreen.h"
#include "sim/ScriptCommands.h"
#include "sim/ScriptContext.h"
#include "sim/ScriptError.h"
#include "sim/ScriptRunner.h"
#include "tests/sim/SampleScenePixels.h"
#include "tests/support/TemporaryDeviceRoot.h"

namespace {

class AlertRecorder : public UIAlertViewDelegate {
public:
    void alertView_clickedButtonAtIndex(UIAlertView*, long index) override {
        clicked.push_back(index);
    }
    std::vector<long> clicked;
};

// A light settings-like screen with a slider, two switches and a spinner on a dark tile, on
// virtual time, for scripts to show alerts over.
class AlertCommandTest : public testing::Test {
protected:
    AlertCommandTest()
        : savedScreen_(UIScreen::mainScreen().bounds().size),
          savedScale_(UIScreen::mainScreen().scale()) {
        Clock::setCurrent(std::make_shared<VirtualClock>());
        UIScreen::mainScreen().configure({320, 480}, 2);
        window_->setBackgroundColor(UIColor::colorWithWhite_alpha(0.94, 1));
        auto slider = std::make_shared<UISlider>(CGRectMake(20, 40, 280, 34));
        slider->setValue(0.3f);
        auto on = std::make_shared<UISwitch>(CGRectMake(20, 100, 0, 0));
        on->setOn(true);
        auto off = std::make_shared<UISwitch>(CGRectMake(90, 100, 0, 0));
        auto tile = std::make_shared<UIView>(CGRectMake(200, 90, 57, 57));
        tile->setBackgroundColor(UIColor::colorWithWhite_alpha(0.2, 1));
        auto spinner =
            std::make_shared<UIActivityIndicatorView>(UIActivityIndicatorViewStyleWhiteLarge);
        spinner->setCenter({28.5, 28.5});
        spinner->startAnimating();
        tile->addSubview(spinner);
        for (const auto& view : std::vector<std::shared_ptr<UIView>>{slider, on, off, tile})
            window_->addSubview(view);
        window_->makeKeyAndVisible();
    }

    ~AlertCommandTest() override {
        for (const auto& alert : UIAlertView::visibleAlerts())
            alert->dismissWithClickedButtonIndex_animated(0, false);
        UIApplication::sharedApplication().removeWindow(window_.get());
        UIScreen::mainScreen().configure(savedScreen_, savedScale_);
        Clock::setCurrent(std::make_shared<RealClock>());
    }

    void runLines(const std::string& script) {
        DeviceScreen screen;
        ScriptContext context{screen, root_.path()};
        std::istringstream in(script);
        runScript(in, "alerts", scriptCommands(), context);
    }

    // The message of the ScriptError the script stops with.
    std::string failureOf(const std::string& script) {
        try {
            runLines(script);
        } catch (const ScriptError& error) {
            return error.what();
        }
        return "no error";
    }

    Rgb pixelAt(const std::string& shot, double x, double y) const {
        const CGImageRef image = PNGCodec::readFile((root_.path() / shot).string());
        return Rgb::of(image->pixelAt(static_cast<size_t>(x * 2), static_cast<size_t>(y * 2)));
    }

    std::shared_ptr<AlertRecorder> showAlert() {
        auto recorder = std::make_shared<AlertRecorder>();
        std::make_shared<UIAlertView>("Enter Password", "This Note is Password Protected", recorder,
                                      "Cancel", std::vector<std::string>{"Not Now"})
            ->show();
        return recorder;
    }

    TemporaryDeviceRoot root_;
    CGSize savedScreen_;
    CGFloat savedScale_;
    std::shared_ptr<UIWindow> window_ = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 480));
};

}  // namespace

TEST_F(AlertCommandTest, AScriptAnswersTheAlertByItsButtonsTitle) {
    const auto recorder = showAlert();
    runLines(
        "wait 0.3\n"
        "screenshot shown.png\n"
        "alert-button Not Now\n"
        "wait 0.3\n"
        "screenshot answered.png\n");
    EXPECT_EQ(recorder->clicked, std::vector<long>{1});
    EXPECT_TRUE(UIAlertView::visibleAlerts().empty());

    EXPECT_TRUE(pixelAt("shown.png", 4, 470).isNear({144, 144, 144}, 3)) << "dimmed by 40%";
    EXPECT_TRUE(pixelAt("shown.png", 160, 215).isNear({247, 247, 247}, 3)) << "the alert's box";
    EXPECT_TRUE(pixelAt("answered.png", 4, 470).isNear({240, 240, 240}, 3)) << "light again";
}

TEST_F(AlertCommandTest, AnAlertOrButtonThatIsNotThereStopsTheScriptAtItsLine) {
    EXPECT_EQ(failureOf("wait 0\nalert-button Ok\n"),
              "alerts:2: no alert is shown to press \"Ok\" on");
    const auto recorder = showAlert();
    EXPECT_EQ(failureOf("alert-button Not  Now please\n"),
              "alerts:1: the alert \"Enter Password\" has no button \"Not Now please\"");
    EXPECT_EQ(failureOf("alert-button\n"),
              "alerts:1: wrong number of arguments; usage: alert-button LABEL");
    EXPECT_TRUE(recorder->clicked.empty());
    runLines("alert-button \"Cancel\"\n");
    EXPECT_EQ(recorder->clicked, std::vector<long>{0});
}
