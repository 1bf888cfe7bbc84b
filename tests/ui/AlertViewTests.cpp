#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/ui/text/KeyboardPresenter.h"
#include "platform/ui/text/UIKeyboard.h"
#include "platform/ui/text/UITextField.h"
#include "platform/ui/views/UIAlertView.h"
#include "platform/ui/views/UIAlertViewButton.h"
#include "tests/ui/TouchTestSupport.h"

namespace {

class AlertRecorder : public UIAlertViewDelegate {
public:
    void alertView_clickedButtonAtIndex(UIAlertView* alert, long index) override {
        events.push_back("clicked " + std::to_string(index) +
                         (alert->isVisible() ? " while shown" : " after dismissal"));
        if (const auto field = alert->textFieldAtIndex(0))
            events.push_back("text " + field->text());
    }
    void alertView_didDismissWithButtonIndex(UIAlertView*, long index) override {
        events.push_back("dismissed " + std::to_string(index));
    }
    std::vector<std::string> events;
};

using Events = std::vector<std::string>;

class AlertViewTest : public TouchTest {
protected:
    std::shared_ptr<UIAlertView> makeAlert(const std::string& cancel,
                                           const std::vector<std::string>& others) {
        return std::make_shared<UIAlertView>("Enter Password", "This Note is Password Protected",
                                             recorder_, cancel, others);
    }

    // A finger on the middle of the button, wherever the alert put it.
    void tapButton(const UIAlertView& alert, long index) {
        const auto button = alert.buttonAtIndex(index);
        const CGRect frame = button->convertRect_toView(button->bounds(), nullptr);
        tap({CGRectGetMidX(frame), CGRectGetMidY(frame)});
    }

    static bool isOnScreen(const std::shared_ptr<UIWindow>& window) {
        const auto windows = UIApplication::sharedApplication().windows();
        return window && std::find(windows.begin(), windows.end(), window) != windows.end();
    }

    std::shared_ptr<AlertRecorder> recorder_ = std::make_shared<AlertRecorder>();
};

}  // namespace

TEST(AlertViewLayoutTest, TwoButtonsSitSideBySideAndMoreStackWithCancelLast) {
    UIAlertViewLayout::Content content{"Title", "Message", true, 2, true, 480};
    const auto pair = UIAlertViewLayout::make(content);
    EXPECT_EQ(pair.size.width, 270);
    ASSERT_EQ(pair.buttonRects.size(), 2u);
    EXPECT_EQ(pair.buttonRects[0], CGRectMake(0, pair.size.height - 44, 135, 44))
        << "cancel on the left";
    EXPECT_EQ(pair.buttonRects[1], CGRectMake(135, pair.size.height - 44, 135, 44));
    EXPECT_LT(CGRectGetMaxY(pair.titleRect), pair.messageRect.origin.y);
    EXPECT_LT(CGRectGetMaxY(pair.messageRect), pair.textFieldRect.origin.y);
    EXPECT_LT(CGRectGetMaxY(pair.textFieldRect), pair.buttonRects[0].origin.y);

    content.buttonCount = 3;
    const auto stack = UIAlertViewLayout::make(content);
    EXPECT_LT(stack.buttonRects[1].origin.y, stack.buttonRects[2].origin.y);
    EXPECT_EQ(stack.buttonRects[0], CGRectMake(0, stack.size.height - 44, 270, 44))
        << "cancel at the bottom";

    content = {"", std::string(5000, 'w') + " end", false, 1, false, 300};
    const auto cut = UIAlertViewLayout::make(content);
    EXPECT_LE(cut.size.height, 300) << "a message too long for the screen is cut";
}

TEST_F(AlertViewTest, ButtonsAreNumberedFromTheCancelButtonAndEmptyTitlesMakeNone) {
    const auto alert = makeAlert("Cancel", {"Ok"});
    EXPECT_EQ(alert->cancelButtonIndex(), 0);
    EXPECT_EQ(alert->buttonTitleAtIndex(1), "Ok");
    EXPECT_EQ(alert->buttonAtIndex(2), nullptr);
    const auto noCancel = makeAlert("", {"First", "", "Second"});
    EXPECT_EQ(noCancel->cancelButtonIndex(), -1);
    EXPECT_EQ(noCancel->numberOfButtons(), 2);
    EXPECT_EQ(noCancel->buttonTitleAtIndex(0), "First");
}

TEST_F(AlertViewTest, AButtonTellsTheDelegateThenTheAlertAndItsWindowGo) {
    auto alert = makeAlert("Cancel", {"Ok"});
    alert->show();
    alert->show();
    const auto alertWindow = alert->window();
    ASSERT_NE(alertWindow, nullptr);
    EXPECT_EQ(alertWindow->windowLevel(), UIWindowLevelAlert);
    EXPECT_TRUE(alertWindow->isKeyWindow());
    EXPECT_EQ(alertWindow->frame(), CGRectMake(0, 0, 320, 480)) << "dimming the whole screen";
    EXPECT_EQ(alert->center().x, 160);
    EXPECT_NEAR(alert->center().y, 240, 0.5) << "centred, on whole points";
    EXPECT_EQ(alert->frame().origin.y, std::floor(alert->frame().origin.y));
    EXPECT_EQ(UIAlertView::visibleAlerts(), std::vector{alert}) << "shown once";
    advance(0.3);

    const std::weak_ptr<UIAlertView> shown = alert;
    alert.reset();
    ASSERT_FALSE(shown.expired()) << "the platform keeps a shown alert alive";
    tapButton(*shown.lock(), 1);
    EXPECT_EQ(recorder_->events, Events{"clicked 1 while shown"});
    EXPECT_TRUE(UIAlertView::visibleAlerts().empty()) << "dismissing at once";
    EXPECT_TRUE(window_->isKeyWindow()) << "the window that was key before is again";
    advance(0.3);
    EXPECT_EQ(recorder_->events, (Events{"clicked 1 while shown", "dismissed 1"}));
    EXPECT_FALSE(isOnScreen(alertWindow));
    EXPECT_TRUE(shown.expired());

    alert = makeAlert("Cancel", {"Ok"});
    alert->show();
    advance(0.3);
    const auto secondWindow = alert->window();
    recorder_.reset();
    tapButton(*alert, 0);
    advance(0.3);
    EXPECT_FALSE(isOnScreen(secondWindow)) << "a delegate that is gone is simply not told";
}

TEST_F(AlertViewTest, TheAlertIsModalUntilDismissedInCode) {
    auto behind = addView(CGRectMake(0, 0, 320, 480));
    const auto alert = makeAlert("Cancel", {"Ok"});
    alert->show();
    advance(0.3);
    tap({20, 20});
    EXPECT_TRUE(behind->calls.empty()) << "the dimmed screen takes no touches";
    EXPECT_TRUE(alert->isVisible());

    const auto alertWindow = alert->window();
    alert->dismissWithClickedButtonIndex_animated(1, false);
    EXPECT_FALSE(isOnScreen(alertWindow)) << "gone at once when not animated";
    EXPECT_EQ(recorder_->events, Events{"dismissed 1"}) << "no tap to report";
    tap({20, 20});
    EXPECT_EQ(behind->calls.size(), 2u);
}

TEST_F(AlertViewTest, TheFieldIsEditedAboveTheKeyboardAndReadInTheAnswer) {
    const auto alert = makeAlert("Cancel", {"Ok"});
    alert->addTextFieldWithValue_label("", "Password");
    const auto field = alert->textFieldAtIndex(0);
    ASSERT_NE(field, nullptr);
    alert->addTextFieldWithValue_label("again", "Other");
    EXPECT_EQ(alert->textFieldAtIndex(0), field) << "one field";
    EXPECT_EQ(alert->textFieldAtIndex(1), nullptr);
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(field->placeholder(), "Password");

    alert->show();
    EXPECT_TRUE(field->isFirstResponder());
    const auto keyboard = KeyboardPresenter::visibleKeyboard();
    ASSERT_NE(keyboard, nullptr);
    const CGRect keys = keyboard->convertRect_toView(keyboard->bounds(), nullptr);
    EXPECT_LE(CGRectGetMaxY(alert->frame()), CGRectGetMinY(keys)) << "above the keyboard";
    EXPECT_EQ(CGRectIntersection(alert->bounds(), field->frame()), field->frame())
        << "the field inside the box";
    advance(0.3);

    UIResponder::currentFirstResponder()->insertText("s3cret");
    tapButton(*alert, 1);
    EXPECT_EQ(recorder_->events, (Events{"clicked 1 while shown", "text s3cret"}));
    EXPECT_FALSE(field->isFirstResponder()) << "dismissing ends the editing";
    EXPECT_EQ(KeyboardPresenter::visibleKeyboard(), nullptr);
    advance(0.3);
}
