// The tweak keeps the lock screen's views it finds (the foreground scroll view, the passcode view
// and its keyboard) without owning them: when SpringBoard lets a lock screen go, they go with it,
// and the note works with the views of the next lock.
#include <gtest/gtest.h>

#include "platform/springboard/SBLockScreenView.h"
#include "platform/springboard/SBUIPasscodeLockViewWithKeyboard.h"
#include "platform/springboard/SpringBoard.h"
#include "platform/ui/text/KeyboardInput.h"
#include "platform/ui/text/UITextView.h"
#include "tests/tweak/LockScreenFixture.h"

namespace {

class ReleasedLockScreenTest : public LockScreenFixture {
protected:
    std::shared_ptr<UITextView> textView() const {
        return std::static_pointer_cast<UITextView>(note()->subviews().at(3));
    }
    // The note sits on the main page, which is at rest one screen to the right.
    void tapIntoTheNote() { tap({100, 250}); }
    void tapTheKeyboardButton() { tap({17, 117}); }
};

}  // namespace

TEST_F(ReleasedLockScreenTest, ViewsOfAnUnlockedLockScreenAreNeitherKeptNorUsed) {
    boot({320, 568}, "7.0.4");
    std::weak_ptr<UIView> lockScreenView = lockScreen(), scrollView, passcodeView, keyboard;
    {
        auto first = lockScreen();
        scrollView = first->foregroundScrollView();
        passcodeView = first->passcodeView();
        keyboard = first->passcodeView()->keyboard();
    }
    // Typing takes the passcode keyboard out of its view; unlocking while typing leaves it out.
    tapIntoTheNote();
    auto editedEarlier = textView();
    ASSERT_TRUE(editedEarlier->isEditing());
    ASSERT_NE(keyboard.lock(), nullptr);
    EXPECT_EQ(keyboard.lock()->superview(), nullptr);
    SpringBoard::shared().unlock();
    advance(1);
    EXPECT_TRUE(lockScreenView.expired());
    EXPECT_TRUE(scrollView.expired());
    EXPECT_TRUE(passcodeView.expired());
    EXPECT_TRUE(keyboard.expired()) << "the tweak holds no reference that keeps it";
    KeyboardInput::typeText("late");
    editedEarlier.reset();

    // The next lock's note edits over the next lock's passcode view.
    SpringBoard::shared().lock();
    advance(1);
    auto second = lockScreen();
    ASSERT_NE(second, nullptr);
    ASSERT_NE(note(), nullptr);
    const auto& nextKeyboard = second->passcodeView()->keyboard();
    tapIntoTheNote();
    ASSERT_TRUE(textView()->isEditing());
    EXPECT_EQ(nextKeyboard->superview(), nullptr);
    tapTheKeyboardButton();
    EXPECT_FALSE(textView()->isEditing());
    EXPECT_EQ(nextKeyboard->superview(), second->passcodeView());
}
