#include <gtest/gtest.h>

#include <sstream>

#include "platform/foundation/Clock.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/graphics/PNGCodec.h"
#include "platform/graphics/UIColor.h"
#include "platform/ui/text/UITextField.h"
#include "platform/ui/views/UIAlertView.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"
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
    void alertView_clickedButtonAtIndex(UIAlertView* alert, long index) override {
        clicked.push_back(index);
        typed = alert->textFieldAtIndex(0)->text();
    }
    std::vector<long> clicked;
    std::string typed;
};

// A light screen on virtual time for scripts to show alerts over.
class AlertCommandTest : public testing::Test {
protected:
    AlertCommandTest()
        : savedScreen_(UIScreen::mainScreen().bounds().size),
          savedScale_(UIScreen::mainScreen().scale()) {
        Clock::setCurrent(std::make_shared<VirtualClock>());
        UIScreen::mainScreen().configure({320, 480}, 2);
        window_->setBackgroundColor(UIColor::colorWithWhite_alpha(0.94, 1));
        window_->makeKeyAndVisible();
    }

    ~AlertCommandTest() override {
        for (const auto& alert : UIAlertView::visibleAlerts())
            alert->dismissWithClickedButtonIndex_animated(0, false);
        // Alerts and the keyboard leave the screen at the end of their animations.
        NSRunLoop::mainRunLoop().runUntilDate(NSDate::now() + 1);
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

    // A password prompt, as the note asks for one.
    std::shared_ptr<UIAlertView> showAlert() {
        auto alert =
            std::make_shared<UIAlertView>("Enter Password", "This Note is Password Protected",
                                          recorder_, "Cancel", std::vector<std::string>{"Not Now"});
        alert->addTextFieldWithValue_label("", "Password");
        const auto field = alert->textFieldAtIndex(0);
        field->setSecureTextEntry(true);
        field->setClearButtonMode(UITextFieldViewModeWhileEditing);
        field->setKeyboardAppearance(UIKeyboardAppearanceDark);
        alert->show();
        return alert;
    }

    TemporaryDeviceRoot root_;
    std::shared_ptr<AlertRecorder> recorder_ = std::make_shared<AlertRecorder>();
    CGSize savedScreen_;
    CGFloat savedScale_;
    std::shared_ptr<UIWindow> window_ = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 480));
};

}  // namespace

TEST_F(AlertCommandTest, AScriptTypesIntoTheAlertAndAnswersItByItsButtonsTitle) {
    const CGRect box = showAlert()->frame();
    runLines(
        "wait 0.3\n"
        "type hunter 2\n"
        "screenshot shown.png\n"
        "alert-button Not Now\n"
        "wait 0.3\n"
        "screenshot answered.png\n");
    EXPECT_EQ(recorder_->clicked, std::vector<long>{1});
    EXPECT_EQ(recorder_->typed, "hunter 2");
    EXPECT_TRUE(UIAlertView::visibleAlerts().empty());

    EXPECT_TRUE(pixelAt("shown.png", 4, 4).isNear({144, 144, 144}, 3)) << "dimmed by 40%";
    EXPECT_TRUE(pixelAt("shown.png", box.origin.x + 4, box.origin.y + 8).isNear({247, 247, 247}, 3))
        << "the alert's box";
    EXPECT_TRUE(pixelAt("answered.png", 4, 4).isNear({240, 240, 240}, 3)) << "light again";
}

TEST_F(AlertCommandTest, AnAlertOrButtonThatIsNotThereStopsTheScriptAtItsLine) {
    EXPECT_EQ(failureOf("wait 0\nalert-button Ok\n"),
              "alerts:2: no alert is shown to press \"Ok\" on");
    showAlert();
    EXPECT_EQ(failureOf("alert-button Not  Now please\n"),
              "alerts:1: the alert \"Enter Password\" has no button \"Not Now please\"");
    EXPECT_EQ(failureOf("alert-button\n"),
              "alerts:1: wrong number of arguments; usage: alert-button LABEL");
    EXPECT_TRUE(recorder_->clicked.empty());
    runLines("alert-button \"Cancel\"\n");
    EXPECT_EQ(recorder_->clicked, std::vector<long>{0});
}
