#include <gtest/gtest.h>

#include "platform/ui/text/KeyboardLayout.h"
#include "platform/ui/text/KeyboardPresenter.h"
#include "platform/ui/text/UIKeyboard.h"
#include "platform/ui/views/UIDevice.h"
#include "tests/ui/TextInputTestSupport.h"

namespace {

class KeyboardTest : public TextInputTest {
protected:
    // Taps the key with the title on the keyboard on screen.
    void tapKey(const std::string& title) {
        const auto keyboard = KeyboardPresenter::visibleKeyboard();
        ASSERT_NE(keyboard, nullptr);
        for (const KeyboardKey& key : keyboard->keys()) {
            if (key.title != title) continue;
            const CGRect frame = keyboard->convertRect_toView(key.frame, nullptr);
            tap({CGRectGetMidX(frame), CGRectGetMidY(frame)});
            return;
        }
        FAIL() << "no key " << title;
    }

    std::shared_ptr<UITextView> addTextView() {
        auto view = std::make_shared<UITextView>(CGRectMake(10, 20, 300, 100));
        window_->addSubview(view);
        return view;
    }
};

const KeyboardKey& returnKey(const std::vector<KeyboardKey>& keys) {
    return keys.back();
}

}  // namespace

TEST_F(KeyboardTest, ComesUpInItsOwnWindowAboveAllOthersWhileAnInputIsEditing) {
    auto alertWindow = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 480));
    alertWindow->setWindowLevel(UIWindowLevelAlert);
    UIApplication::sharedApplication().addWindow(alertWindow);
    auto view = addTextView();
    auto field = std::make_shared<UITextField>(CGRectMake(10, 200, 300, 30));
    field->setReturnKeyType(UIReturnKeyDone);
    field->setKeyboardAppearance(UIKeyboardAppearanceDark);
    field->setKeyboardType(UIKeyboardTypeNumberPad);
    window_->addSubview(field);
    EXPECT_EQ(KeyboardPresenter::visibleKeyboard(), nullptr);

    view->becomeFirstResponder();
    const auto keyboard = KeyboardPresenter::visibleKeyboard();
    ASSERT_NE(keyboard, nullptr);
    const auto keyboardWindow = keyboard->window();
    EXPECT_EQ(UIApplication::sharedApplication().windows().back(), keyboardWindow);
    EXPECT_EQ(keyboard->convertRect_toView(keyboard->bounds(), nullptr),
              CGRectMake(0, 480 - 216, 320, 216));
    EXPECT_TRUE(window_->isKeyWindow()) << "the application's key window stays key";
    EXPECT_EQ(keyboard->appearance(), UIKeyboardAppearanceDefault);
    EXPECT_EQ(returnKey(keyboard->keys()).title, "return");

    field->becomeFirstResponder();
    EXPECT_EQ(KeyboardPresenter::visibleKeyboard(), keyboard) << "one keyboard, dressed anew";
    EXPECT_EQ(keyboard->appearance(), UIKeyboardAppearanceDark);
    EXPECT_EQ(keyboard->plane(), KeyboardPlane::Numbers);
    EXPECT_EQ(returnKey(keyboard->keys()).title, "Done");

    field->resignFirstResponder();
    EXPECT_EQ(KeyboardPresenter::visibleKeyboard(), nullptr);
    const auto windows = UIApplication::sharedApplication().windows();
    EXPECT_EQ(std::find(windows.begin(), windows.end(), keyboardWindow), windows.end());
    UIApplication::sharedApplication().removeWindow(alertWindow.get());
}

TEST_F(KeyboardTest, TapsOnKeysTypeIntoTheFirstResponder) {
    auto view = addTextView();
    view->becomeFirstResponder();
    for (const char* key : {"h", "i", "⇧", "A", "space", "123", "1", "⌫", "return"}) tapKey(key);
    EXPECT_EQ(view->text(), "hiA \n");
    EXPECT_EQ(KeyboardPresenter::visibleKeyboard()->plane(), KeyboardPlane::Numbers);

    auto log = std::make_shared<EditingLog>();
    log->resignOnReturn = true;
    auto field = std::make_shared<UITextField>(CGRectMake(10, 200, 300, 30));
    field->setDelegate(log);
    window_->addSubview(field);
    field->becomeFirstResponder();
    for (const char* key : {"123", "1", "return"}) tapKey(key);
    EXPECT_EQ(log->events, (std::vector<std::string>{"0 begins", "0 returns with 1", "0 ends"}));
    EXPECT_EQ(KeyboardPresenter::visibleKeyboard(), nullptr) << "the return key ended the editing";
}

TEST_F(KeyboardTest, DarkAndLightKeyboardsAndATallerOneOnATablet) {
    auto view = addTextView();
    view->setKeyboardAppearance(UIKeyboardAppearanceDark);
    view->becomeFirstResponder();
    const auto keyboard = KeyboardPresenter::visibleKeyboard();
    const auto background = [&] { return drawingOf(*keyboard)->pixelAt(2, 2) & 0xffffff; };
    EXPECT_LT(background(), 0x505050u);
    view->resignFirstResponder();
    view->setKeyboardAppearance(UIKeyboardAppearanceLight);
    view->becomeFirstResponder();
    EXPECT_GT(background() & 0xff, 0xb0u);
    view->resignFirstResponder();

    UIScreen::mainScreen().configure({768, 1024}, 2);
    UIDevice::currentDevice().configure("7.0.4", UIUserInterfaceIdiomPad);
    view->becomeFirstResponder();
    EXPECT_EQ(keyboard->convertRect_toView(keyboard->bounds(), nullptr),
              CGRectMake(0, 1024 - 264, 768, 264));
    UIDevice::currentDevice().configure("7.0.4", UIUserInterfaceIdiomPhone);
}

TEST(KeyboardLayoutTest, KeysStayInsideTheKeyboardAndNeverOverlap) {
    for (const CGSize size : {CGSizeMake(320, 216), CGSizeMake(768, 264)}) {
        for (const auto plane :
             {KeyboardPlane::Letters, KeyboardPlane::Numbers, KeyboardPlane::Symbols}) {
            const auto keys = KeyboardLayout::keys(size, plane, LetterCase::Lower, UIReturnKeyNext);
            EXPECT_EQ(returnKey(keys).title, "Next");
            for (size_t i = 0; i < keys.size(); ++i) {
                const CGRect frame = keys[i].frame;
                EXPECT_TRUE(CGRectGetMinX(frame) >= 0 && CGRectGetMinY(frame) >= 0 &&
                            CGRectGetMaxX(frame) <= size.width + 1e-9 &&
                            CGRectGetMaxY(frame) <= size.height + 1e-9)
                    << keys[i].title;
                for (size_t j = i + 1; j < keys.size(); ++j)
                    EXPECT_FALSE(CGRectIntersectsRect(keys[i].frame, keys[j].frame))
                        << keys[i].title << " and " << keys[j].title;
            }
        }
    }
    EXPECT_EQ(KeyboardLayout::keys({320, 216}, KeyboardPlane::Letters, LetterCase::Upper,
                                   UIReturnKeyGo)[0]
                  .text,
              "Q");
}
