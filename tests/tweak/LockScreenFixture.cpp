#include "tests/tweak/LockScreenFixture.h"

#include <filesystem>

#include "common/SettingsKeys.h"
#include "platform/foundation/PropertyListFile.h"
#include "platform/springboard/SBLockScreenView.h"
#include "platform/springboard/SpringBoard.h"
#include "platform/ui/views/UIDevice.h"
#include "platform/ui/views/UIImageView.h"
#include "platform/ui/views/UIScreen.h"

namespace {

constexpr double kTapDuration = 0.05;
constexpr double kTapToPressGap = 0.1;
constexpr double kDragStep = 0.03;

// The note's subview of the scroll view whose width passes `test`.
template <class WidthTest>
std::shared_ptr<UIView> imageViewOnLockScreen(const SBLockScreenView* lockScreen, WidthTest test) {
    if (lockScreen == nullptr) return nullptr;
    for (const auto& view : lockScreen->foregroundScrollView()->subviews()) {
        if (view->isKindOfClass(UIImageView::classObject()) && test(view->bounds().size.width))
            return view;
    }
    return nullptr;
}

}  // namespace

LockScreenFixture::LockScreenFixture() {
    std::filesystem::copy(BUILT_DEVICE, root_.path(), std::filesystem::copy_options::recursive);
    std::filesystem::create_directories(root_ / "/var/mobile/Library/Preferences");
}

void LockScreenFixture::writePreferences(const PlistDictionary& settings) const {
    ASSERT_TRUE(PropertyListFile::writeToFile(settings, Settings::kFile,
                                              PropertyListFile::Write::Atomically));
}

std::optional<PlistDictionary> LockScreenFixture::preferences() const {
    return PropertyListFile::dictionaryWithContentsOfFile(Settings::kFile);
}

void LockScreenFixture::boot(CGSize screen, const char* version) {
    UIScreen::mainScreen().configure(screen, 2);
    UIDevice::currentDevice().configure(version, UIUserInterfaceIdiomPhone);
    SpringBoard::shared().boot();
    endTurn();
}

std::shared_ptr<SBLockScreenView> LockScreenFixture::lockScreen() const {
    return std::dynamic_pointer_cast<SBLockScreenView>(SpringBoard::shared().lockScreenView());
}

std::shared_ptr<UIView> LockScreenFixture::note() const {
    return imageViewOnLockScreen(lockScreen().get(), [](CGFloat width) { return width > 100; });
}

std::shared_ptr<UIView> LockScreenFixture::hideButton() const {
    return imageViewOnLockScreen(lockScreen().get(), [](CGFloat width) { return width == 30; });
}

void LockScreenFixture::touchDown(CGPoint screenPoint) {
    SpringBoard::shared().userActivity();
    fingers_.fingerDown(screenPoint);
}

void LockScreenFixture::tap(CGPoint screenPoint, double settle) {
    touchDown(screenPoint);
    advance(kTapDuration);
    fingers_.fingerUp(screenPoint);
    advance(settle);
}

void LockScreenFixture::tapThenHold(CGPoint screenPoint, double holdFor, double settle) {
    tap(screenPoint, kTapToPressGap);
    touchDown(screenPoint);
    advance(holdFor);
    fingers_.fingerUp(screenPoint);
    advance(settle);
}

void LockScreenFixture::drag(CGPoint from, CGPoint to, int steps, double settle) {
    touchDown(from);
    for (int step = 1; step <= steps; ++step) {
        advance(kDragStep);
        const double t = static_cast<double>(step) / steps;
        fingers_.fingerMoved({from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t});
    }
    fingers_.fingerUp(to);
    advance(settle);
}
