#include "platform/springboard/SpringBoard.h"

#include <numbers>

#include "platform/foundation/DelayedPerform.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/graphics/UIColor.h"
#include "platform/notes/NoteContext.h"
#include "platform/runtime/Runtime.h"
#include "platform/springboard/SBAppSwitcher.h"
#include "platform/springboard/SBAwayView.h"
#include "platform/springboard/SBHomeScreenView.h"
#include "platform/springboard/SBLockScreenGestures.h"
#include "platform/springboard/SBLockScreenView.h"
#include "platform/springboard/SBUIPasscodeLockViewWithKeyboard.h"
#include "platform/springboard/TweakLoader.h"
#include "platform/ui/views/UIDevice.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"

namespace {

constexpr double kLockWindowLevel = 1000;
constexpr double kShadeWindowLevel = 100000;  // above alerts: a dark screen hides everything

UIDeviceOrientation deviceOrientationFor(UIInterfaceOrientation orientation) {
    switch (orientation) {
        case UIInterfaceOrientationPortraitUpsideDown:
            return UIDeviceOrientationPortraitUpsideDown;
        case UIInterfaceOrientationLandscapeLeft:
            return UIDeviceOrientationLandscapeRight;
        case UIInterfaceOrientationLandscapeRight:
            return UIDeviceOrientationLandscapeLeft;
        default:
            return UIDeviceOrientationPortrait;
    }
}

// The screen as a view upright in `orientation` sees it: wider than tall in landscape.
CGRect orientedBounds(UIInterfaceOrientation orientation) {
    const CGSize screen = UIScreen::mainScreen().bounds().size;
    const bool landscape = orientation == UIInterfaceOrientationLandscapeLeft ||
                           orientation == UIInterfaceOrientationLandscapeRight;
    return {{0, 0}, landscape ? CGSize{screen.height, screen.width} : screen};
}

double rotationAngle(UIInterfaceOrientation orientation) {
    switch (orientation) {
        case UIInterfaceOrientationPortraitUpsideDown:
            return std::numbers::pi;
        case UIInterfaceOrientationLandscapeLeft:
            return -std::numbers::pi / 2;
        case UIInterfaceOrientationLandscapeRight:
            return std::numbers::pi / 2;
        default:
            return 0;
    }
}

std::shared_ptr<UIWindow> makeWindow(double level) {
    auto window = std::make_shared<UIWindow>(UIScreen::mainScreen().bounds());
    window->setWindowLevel(level);
    return window;
}

}  // namespace

SpringBoard& SpringBoard::shared() {
    static SpringBoard* springBoard = new SpringBoard();  // lives as long as the process
    return *springBoard;
}

SpringBoard::SpringBoard() = default;
SpringBoard::~SpringBoard() = default;

void SpringBoard::registerSystemClasses() {
    SBBacklightController::classObject();
    NoteContext::classObject();  // the Notes framework SpringBoard links
    if (before7_) {
        SBAwayView::classObject();
    } else {
        SBLockScreenView::classObject();
        SBLockScreenScrollView::classObject();
        SBLockScreenBounceAnimator::classObject();
        SBLockScreenHintManager::classObject();
        SBUIPasscodeLockViewWithKeyboard::classObject();
    }
}

void SpringBoard::boot() {
    if (booted_) return;
    booted_ = true;
    before7_ = UIDevice::currentDevice().isSystemVersionBefore("7.0");
    registerSystemClasses();
    loadedTweaks_ = TweakLoader::loadTweaks(kBundleIdentifier);

    const CGRect screen = UIScreen::mainScreen().bounds();
    homeWindow_ = makeWindow(UIWindowLevelNormal);
    appSwitcher_ = std::make_unique<SBAppSwitcher>();
    homeWindow_->addSubview(SBHomeScreenView::make(
        screen, [this](const std::string& name, CGRect icon) { appSwitcher_->open(name, icon); }));
    homeWindow_->makeKeyAndVisible();
    lockWindow_ = makeWindow(kLockWindowLevel);
    shadeWindow_ = makeWindow(kShadeWindowLevel);
    shadeWindow_->setBackgroundColor(UIColor::blackColor());
    shadeWindow_->setAlpha(0);
    shadeWindow_->setUserInteractionEnabled(false);
    shadeWindow_->makeKeyAndVisible();
    SBBacklightController::sharedInstance()->setLevelHandler(
        [this](BacklightLevel level) { showBacklight(level); });
    lock();
}

void SpringBoard::lock() {
    if (isLocked()) return;
    // Made for the current orientation, as the device makes it: laid out in its final size before
    // it reaches the window, where tweaks' hooks look at it.
    const UIInterfaceOrientation orientation =
        UIApplication::sharedApplication().statusBarOrientation();
    const CGRect screen = orientedBounds(orientation);
    if (before7_) {
        auto away = SBAwayView::make(screen);
        away->setUnlockHandler([this] { unlock(); });
        lockView_ = away;
    } else {
        auto lockScreen = SBLockScreenView::make(screen);
        lockScreen->setUnlockHandler([this] { DispatchQueue::main().async([this] { unlock(); }); });
        lockView_ = lockScreen;
    }
    placeForOrientation(*lockView_, orientation);
    lockWindow_->addSubview(lockView_);
    lockWindow_->makeKeyAndVisible();
    shadeWindow_->makeKeyAndVisible();  // stays the frontmost
    lockView_->layoutIfNeeded();
    appSwitcher_->setTakesTyping(false);
    if (before7_) {
        std::weak_ptr<UIView> away = lockView_;
        performAfterDelay(lockView_, kLockAnimationDuration, [away] {
            if (auto view = away.lock()) msgSend<void()>(view.get(), "finishedAnimatingIn");
        });
    }
    SBBacklightController::sharedInstance()->setLocked(true);
}

void SpringBoard::unlock() {
    if (!isLocked()) return;
    auto leaving = std::move(lockView_);
    lockView_ = nullptr;
    cancelPreviousPerformRequestsWithTarget(leaving.get());
    leaving->removeFromSuperview();
    UIApplication::sharedApplication().removeWindow(lockWindow_.get());
    SBBacklightController::sharedInstance()->setLocked(false);
    appSwitcher_->setTakesTyping(true);
}

void SpringBoard::placeForOrientation(UIView& view, UIInterfaceOrientation orientation) {
    const CGRect screen = UIScreen::mainScreen().bounds();
    view.setTransform(CGAffineTransformMakeRotation(rotationAngle(orientation)));
    view.setBounds(orientedBounds(orientation));
    view.setCenter({CGRectGetMidX(screen), CGRectGetMidY(screen)});
}

void SpringBoard::rotate(UIInterfaceOrientation orientation) {
    UIDevice::currentDevice().setOrientation(deviceOrientationFor(orientation));
    UIApplication::sharedApplication().setStatusBarOrientation(orientation);
    if (!lockView_) return;
    auto view = lockView_;
    UIView::animateWithDuration_animations(kRotationDuration, [&] {
        placeForOrientation(*view, orientation);
        view->layoutIfNeeded();
        if (!before7_) {
            msgSend<void(UIInterfaceOrientation, double)>(
                view.get(), "willAnimateRotationToInterfaceOrientation:duration:", orientation,
                kRotationDuration);
        }
    });
}

bool SpringBoard::userActivity() {
    auto backlight = SBBacklightController::sharedInstance();
    const bool wasDark = backlight->level() == BacklightLevel::Off;
    backlight->userActivity();
    return !wasDark;
}

void SpringBoard::pressHomeButton() {
    if (!userActivity() || isLocked()) return;
    appSwitcher_->goHome();
}

void SpringBoard::showBacklight(BacklightLevel level) {
    const CGFloat shade = level == BacklightLevel::On       ? 0
                          : level == BacklightLevel::Dimmed ? 0.6
                                                            : 1;
    UIView::animateWithDuration_animations(0.3, [&] { shadeWindow_->setAlpha(shade); });
}
