// SpringBoard is one per process and the classes it registers stay registered, so each test
// needs a process of its own, as CTest runs them.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "platform/foundation/FileIO.h"
#include "platform/foundation/PropertyListFile.h"
#include "platform/foundation/SystemLog.h"
#include "platform/runtime/Runtime.h"
#include "platform/springboard/SBAwayView.h"
#include "platform/springboard/SBLockScreenView.h"
#include "platform/springboard/SBUIPasscodeLockViewWithKeyboard.h"
#include "platform/springboard/SpringBoard.h"
#include "platform/springboard/TweakLoader.h"
#include "platform/ui/touches/TouchDispatcher.h"
#include "platform/ui/views/UIDevice.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"
#include "tests/support/TemporaryDeviceRoot.h"
#include "tests/support/VirtualTimeTest.h"

namespace {

class SpringBoardTest : public VirtualTimeTest {
protected:
    void bootSystem(const char* version) {
        UIScreen::mainScreen().configure({320, 568}, 2);
        UIDevice::currentDevice().configure(version, UIUserInterfaceIdiomPhone);
        SpringBoard::shared().boot();
        endTurn();
    }

    void installTestTweak(const std::string& bundle) {
        const std::string folder = TweakLoader::kFolder;
        std::filesystem::create_directories(root_ / folder);
        std::filesystem::copy_file(TEST_TWEAK, root_ / (folder + "/TestTweak.dylib"));
        PlistDictionary filter{
            {"Filter", PlistValue::dictionary(
                           {{"Bundles", PlistValue::array({PlistValue::string(bundle)})}})}};
        ASSERT_TRUE(PropertyListFile::writeToFile(filter, folder + "/TestTweak.plist",
                                                  PropertyListFile::Write::Atomically));
    }

    TemporaryDeviceRoot root_;
    TouchDispatcher fingers_;
};

}  // namespace

TEST_F(SpringBoardTest, SystemSevenLocksWithAPagingLockScreenAtRestOnItsMainPage) {
    bootSystem("7.0.4");
    EXPECT_NE(objc_getClass("SBLockScreenView"), nullptr);
    EXPECT_EQ(objc_getClass("SBAwayView"), nullptr) << "only the running system's classes exist";
    ASSERT_TRUE(SpringBoard::shared().isLocked());

    auto lockScreen =
        std::static_pointer_cast<SBLockScreenView>(SpringBoard::shared().lockScreenView());
    ASSERT_NE(lockScreen->window(), nullptr);
    auto scroll = object_getIvar(
        lockScreen.get(),
        class_getInstanceVariable(object_getClass(lockScreen.get()), "_foregroundScrollView"));
    ASSERT_EQ(scroll, lockScreen->foregroundScrollView());
    EXPECT_EQ(lockScreen->foregroundScrollView()->contentOffset(), CGPointMake(320, 0));
    EXPECT_EQ(lockScreen->foregroundScrollView()->contentSize(), CGSizeMake(640, 568));
    auto passcode = lockScreen->passcodeView();
    auto keyboard = object_getIvar(
        passcode.get(), class_getInstanceVariable(object_getClass(passcode.get()), "_keyboard"));
    EXPECT_EQ(keyboard, passcode->keyboard());
    EXPECT_EQ(passcode->keyboard()->superview(), passcode);
}

TEST_F(SpringBoardTest, DraggingToThePasscodePageUnlocksAndLockingMakesAFreshLockScreen) {
    bootSystem("7.0.4");
    auto first = SpringBoard::shared().lockScreenView();
    fingers_.fingerDown({40, 300});
    for (int step = 1; step <= 10; ++step) {
        advance(0.02);
        fingers_.fingerMoved({40.0 + 25 * step, 300});
    }
    fingers_.fingerUp({290, 300});
    advance(1);
    EXPECT_FALSE(SpringBoard::shared().isLocked());
    EXPECT_EQ(first->window(), nullptr);

    SpringBoard::shared().lock();
    EXPECT_NE(SpringBoard::shared().lockScreenView(), first);
}

TEST_F(SpringBoardTest, SystemSixAnnouncesItsAwayViewAfterTheLockAnimation) {
    int announcements = 0;
    bootSystem("6.1.3");
    ASSERT_NE(objc_getClass("SBAwayView"), nullptr);
    EXPECT_EQ(objc_getClass("SBLockScreenView"), nullptr);
    auto away = SpringBoard::shared().lockScreenView();
    ASSERT_TRUE(away->isKindOfClass(SBAwayView::classObject()));

    static int* counter = &announcements;
    static void (*previous)(id, SEL) = nullptr;
    MSHookMessageEx(
        objc_getClass("SBAwayView"), "finishedAnimatingIn",
        +[](id self, SEL cmd) {
            ++*counter;
            previous(self, cmd);
        },
        &previous);
    SpringBoard::shared().unlock();
    SpringBoard::shared().lock();
    advance(SpringBoard::kLockAnimationDuration / 2);
    EXPECT_EQ(announcements, 0);
    advance(SpringBoard::kLockAnimationDuration);
    EXPECT_EQ(announcements, 1);
}

TEST_F(SpringBoardTest, TheIdleLockScreenDimsThenGoesDarkUnlessItsTimerIsCancelled) {
    bootSystem("7.0.4");
    auto backlight = SBBacklightController::sharedInstance();
    advance(SBBacklightController::kDimDelay + 0.1);
    EXPECT_EQ(backlight->level(), BacklightLevel::Dimmed);
    advance(SBBacklightController::kOffDelay);
    EXPECT_EQ(backlight->level(), BacklightLevel::Off);
    EXPECT_FALSE(SpringBoard::shared().userActivity()) << "a dark screen only wakes";
    EXPECT_EQ(backlight->level(), BacklightLevel::On);

    msgSend<void()>(msgSendClass<std::shared_ptr<NSObject>()>(
                        objc_getClass("SBBacklightController"), "sharedInstance")
                        .get(),
                    "cancelLockScreenIdleTimer");
    advance(60);
    EXPECT_EQ(backlight->level(), BacklightLevel::On);
    backlight->resetLockScreenIdleTimer();
    advance(SBBacklightController::kDimDelay + 0.1);
    EXPECT_EQ(backlight->level(), BacklightLevel::Dimmed);
}

TEST_F(SpringBoardTest, TweaksForSpringBoardAreLoadedAtBootAndOthersAreNot) {
    installTestTweak("com.apple.springboard");
    std::filesystem::create_directories(root_ / "/Library/MobileSubstrate/DynamicLibraries");
    FileIO::writeFile(root_ / "/Library/MobileSubstrate/DynamicLibraries/Broken.dylib",
                      "not a library");
    PropertyListFile::writeToFile(
        {{"Filter",
          PlistValue::dictionary(
              {{"Bundles", PlistValue::array({PlistValue::string("com.apple.springboard")})}})}},
        "/Library/MobileSubstrate/DynamicLibraries/Broken.plist",
        PropertyListFile::Write::Atomically);
    SystemLogCapture log;
    bootSystem("7.0.4");
    EXPECT_EQ(SpringBoard::shared().loadedTweaks(), std::vector<std::string>{"TestTweak.dylib"});
    EXPECT_EQ(log.count("test tweak loaded"), 1u);
    EXPECT_EQ(log.messages().front().rfind("MS:Error: ", 0), 0u)
        << "the broken library is logged and skipped";

    fingers_.fingerDown({160, 200});
    advance(0.6);
    fingers_.fingerUp({160, 200});
    advance(0.1);
    EXPECT_EQ(log.count("test tweak saw a press"), 2u) << "the hook sees the press begin and end";
}

TEST_F(SpringBoardTest, ATweakFilteredForAnotherProcessIsNotLoaded) {
    installTestTweak("com.apple.Preferences");
    SystemLogCapture log;
    bootSystem("7.0.4");
    EXPECT_TRUE(SpringBoard::shared().loadedTweaks().empty());
    EXPECT_EQ(log.count("test tweak loaded"), 0u);
}

TEST_F(SpringBoardTest, AFilterThatCantBeReadIsLoggedAndItsTweakNotLoaded) {
    installTestTweak("com.apple.springboard");
    std::ofstream(root_ / (std::string(TweakLoader::kFolder) + "/TestTweak.plist"), std::ios::trunc)
        << "junk";
    SystemLogCapture log;
    bootSystem("7.0.4");
    EXPECT_TRUE(SpringBoard::shared().loadedTweaks().empty());
    const auto messages = log.messages();
    EXPECT_TRUE(std::any_of(messages.begin(), messages.end(), [](const std::string& message) {
        return message.find("TestTweak.plist can't be read") != std::string::npos;
    })) << "logged";
}

TEST_F(SpringBoardTest, RotationTurnsTheLockScreenAndTellsIt) {
    bootSystem("7.0.4");
    SpringBoard::shared().rotate(UIInterfaceOrientationLandscapeRight);
    auto lockScreen =
        std::static_pointer_cast<SBLockScreenView>(SpringBoard::shared().lockScreenView());
    EXPECT_EQ(lockScreen->bounds().size, CGSizeMake(568, 320));
    EXPECT_EQ(lockScreen->foregroundScrollView()->frame().size, CGSizeMake(568, 320));
    EXPECT_EQ(UIApplication::sharedApplication().statusBarOrientation(),
              UIInterfaceOrientationLandscapeRight);
    EXPECT_EQ(UIDevice::currentDevice().orientation(), UIDeviceOrientationLandscapeLeft);
}
