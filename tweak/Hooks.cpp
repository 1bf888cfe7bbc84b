#include "tweak/Hooks.h"

#include "platform/foundation/NSFileManager.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/text/UITextView.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIImageView.h"
#include "platform/ui/views/UIScreen.h"
#include "tweak/ModuleState.h"
#include "tweak/imageView.h"

class UIGestureRecognizer;

namespace {

constexpr char kConverganceLibrary[] =
    "/Library/MobileSubstrate/DynamicLibraries/Convergance.dylib";
constexpr CGFloat kHideButtonSize = 30;
constexpr CGFloat kDistanceFromBottom = 40;
constexpr CGFloat kAwayViewLandscapeDistance = 140;

// The previous implementations, one a hook, in the order of installation.
void (*previousHandleTapGesture)(id, SEL, UIGestureRecognizer*) = nullptr;
void (*previousWillAnimateRotation)(id, SEL, UIInterfaceOrientation, double) = nullptr;
void (*previousLockScreenLayout)(id, SEL) = nullptr;
void (*previousDidMoveToWindow)(id, SEL) = nullptr;
bool (*previousSaveOutsideApp)(id, SEL, NSObject*) = nullptr;
void (*previousHandlePress)(id, SEL, UIGestureRecognizer*) = nullptr;
void (*previousHandleTap)(id, SEL, UIGestureRecognizer*) = nullptr;
void (*previousPasscodeLayout)(id, SEL) = nullptr;
void (*previousFinishedAnimatingIn)(id, SEL) = nullptr;

// The hide button's frame: W + 20 + the x offset across, H − d − the y offset down.
CGRect hideButtonFrame(CGSize reference, CGFloat distanceFromBottom) {
    const ModuleState& module = moduleState();
    return CGRectMake(reference.width + 20 + module.hideButtonOffsetX,
                      reference.height - distanceFromBottom - module.hideButtonOffsetY,
                      kHideButtonSize, kHideButtonSize);
}

CGSize foregroundScrollViewSize() {
    auto scrollView = moduleState().foregroundScrollView.lock();
    return scrollView ? scrollView->frame().size : CGSizeZero;
}

bool isPortrait(UIInterfaceOrientation orientation) {
    return orientation == UIInterfaceOrientationPortrait ||
           orientation == UIInterfaceOrientationPortraitUpsideDown;
}

std::shared_ptr<UIView> ivarView(id object, const char* name) {
    return std::dynamic_pointer_cast<UIView>(
        object_getIvar(object, class_getInstanceVariable(object_getClass(object), name)));
}

std::shared_ptr<UIView> owned(id view) {
    return std::dynamic_pointer_cast<UIView>(view != nullptr ? view->shared_from_this() : nullptr);
}

// A class of the other lock-screen tweak, looked up until it is found.
Class converganceClass(Class& cached, const char* name) {
    if (cached == nullptr) cached = objc_getClass(name);
    return cached;
}

// Where the note goes: the other tweak's scroll view when it is installed and shows its lock
// screen, else the lock screen's own foreground scroll view.
std::shared_ptr<UIView> noteContainer() {
    static Class resources = nullptr, api = nullptr;
    const bool installed = NSFileManager::defaultManager().fileExistsAtPath(kConverganceLibrary);
    const bool enabled =
        msgSendClass<bool()>(converganceClass(resources, "CVResources"), "lockScreenEnabled");
    if (installed && enabled) {
        return std::dynamic_pointer_cast<UIView>(msgSendClass<std::shared_ptr<NSObject>()>(
            converganceClass(api, "CVAPI"), "mainScrollView"));
    }
    return moduleState().foregroundScrollView.lock();
}

void handleTapGesture(id self, SEL selector, UIGestureRecognizer* recognizer) {
    const ModuleState& module = moduleState();
    auto textView = module.noteTextView.lock();
    if (!module.isHidden && module.isEnabled && textView && textView->isEditing()) {
        msgSend<void(UIGestureRecognizer*)>(imageView::sharedInstance().get(),
                                            "dismissKeyboard:", nullptr);
        return;
    }
    previousHandleTapGesture(self, selector, recognizer);
}

void willAnimateRotation(id self, SEL selector, UIInterfaceOrientation orientation,
                         double duration) {
    const CGSize reference = orientation == UIInterfaceOrientationPortrait
                                 ? UIScreen::mainScreen().bounds().size
                                 : foregroundScrollViewSize();
    if (auto hideButton = moduleState().hideButton.lock())
        hideButton->setFrame(hideButtonFrame(reference, kDistanceFromBottom));
    previousWillAnimateRotation(self, selector, orientation, duration);
}

void lockScreenLayout(id self, SEL selector) {
    previousLockScreenLayout(self, selector);
    ModuleState& module = moduleState();
    auto scrollView = ivarView(self, "_foregroundScrollView");
    module.foregroundScrollView = scrollView;
    auto note = module.noteView.lock();
    if (scrollView && note && note->superview() == scrollView)
        scrollView->bringSubviewToFront(note);
}

void didMoveToWindow(id self, SEL selector) {
    ModuleState& module = moduleState();
    module.foregroundScrollView = ivarView(self, "_foregroundScrollView");
    const auto& note = imageView::sharedInstance();
    note->checkSettings();
    const CGSize screen = UIScreen::mainScreen().bounds().size;
    if (module.isEnabled) {
        const bool portrait = isPortrait(UIApplication::sharedApplication().statusBarOrientation());
        const CGRect frame =
            hideButtonFrame(portrait ? screen : foregroundScrollViewSize(), kDistanceFromBottom);
        if (auto container = noteContainer())
            note->addToView_withFrame_withHideButton(container, frame, true);
    }
    previousDidMoveToWindow(self, selector);
}

bool saveOutsideApp(id self, SEL selector, NSObject* argument) {
    return previousSaveOutsideApp(self, selector, moduleState().isEnabled ? nullptr : argument);
}

void handlePress(id, SEL, UIGestureRecognizer*) {}

void handleTap(id, SEL, UIGestureRecognizer*) {}

void passcodeLayout(id self, SEL selector) {
    ModuleState& module = moduleState();
    module.passcodeView = owned(self);
    module.passcodeKeyboard = ivarView(self, "_keyboard");
    previousPasscodeLayout(self, selector);
}

void finishedAnimatingIn(id self, SEL selector) {
    const CGSize screen = UIScreen::mainScreen().bounds().size;
    const auto& note = imageView::sharedInstance();
    note->checkSettings();
    if (moduleState().isEnabled) {
        auto awayView = owned(self);
        const bool portrait = isPortrait(UIApplication::sharedApplication().statusBarOrientation());
        const CGRect frame =
            portrait ? hideButtonFrame(screen, kDistanceFromBottom)
                     : hideButtonFrame(awayView->frame().size, kAwayViewLandscapeDistance);
        note->addToView_withFrame_withHideButton(awayView, frame, true);
    }
    previousFinishedAnimatingIn(self, selector);
}

}  // namespace

void installHooks() {
    MSHookMessageEx(objc_getClass("SBLockScreenBounceAnimator"),
                    "_handleTapGesture:", handleTapGesture, &previousHandleTapGesture);
    MSHookMessageEx(objc_getClass("SBLockScreenView"),
                    "willAnimateRotationToInterfaceOrientation:duration:", willAnimateRotation,
                    &previousWillAnimateRotation);
    MSHookMessageEx(objc_getClass("SBLockScreenView"), "layoutSubviews", lockScreenLayout,
                    &previousLockScreenLayout);
    MSHookMessageEx(objc_getClass("SBLockScreenView"), "didMoveToWindow", didMoveToWindow,
                    &previousDidMoveToWindow);
    MSHookMessageEx(objc_getClass("NoteContext"), "saveOutsideApp:", saveOutsideApp,
                    &previousSaveOutsideApp);
    MSHookMessageEx(objc_getClass("SBLockScreenHintManager"), "_handlePress:", handlePress,
                    &previousHandlePress);
    MSHookMessageEx(objc_getClass("SBLockScreenHintManager"), "_handleTap:", handleTap,
                    &previousHandleTap);
    MSHookMessageEx(objc_getClass("SBUIPasscodeLockViewWithKeyboard"), "layoutSubviews",
                    passcodeLayout, &previousPasscodeLayout);
    MSHookMessageEx(objc_getClass("SBAwayView"), "finishedAnimatingIn", finishedAnimatingIn,
                    &previousFinishedAnimatingIn);
}
