#include "platform/springboard/SBLockScreenGestures.h"

#include "platform/runtime/Runtime.h"
#include "platform/springboard/SBLockScreenView.h"
#include "platform/ui/touches/UILongPressGestureRecognizer.h"
#include "platform/ui/touches/UITapGestureRecognizer.h"

Class SBLockScreenBounceAnimator::classObject() {
    static const Class cls = defineClass<SBLockScreenBounceAnimator>(
        "SBLockScreenBounceAnimator", NSObject::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "_handleTapGesture:", +[](id self, SEL, UIGestureRecognizer* recognizer) {
                    static_cast<SBLockScreenBounceAnimator*>(self)->_handleTapGesture(recognizer);
                });
        });
    return cls;
}

Class SBLockScreenHintManager::classObject() {
    static const Class cls = defineClass<SBLockScreenHintManager>(
        "SBLockScreenHintManager", NSObject::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "_handlePress:", +[](id self, SEL, UIGestureRecognizer* recognizer) {
                    static_cast<SBLockScreenHintManager*>(self)->_handlePress(recognizer);
                });
            c.addMethod(
                "_handleTap:", +[](id self, SEL, UIGestureRecognizer* recognizer) {
                    static_cast<SBLockScreenHintManager*>(self)->_handleTap(recognizer);
                });
        });
    return cls;
}

namespace {

template <class Recognizer, class Owner>
std::shared_ptr<Recognizer> attach(Owner& owner, SBLockScreenView& view, SEL action) {
    auto self = std::static_pointer_cast<Owner>(owner.shared_from_this());
    auto recognizer = std::make_shared<Recognizer>(self, action);
    recognizer->setCancelsTouchesInView(
        false);  // the lock screen's own controls still get their touches
    recognizer->setDelegate(std::shared_ptr<UIGestureRecognizerDelegate>(self, &owner));
    view.addGestureRecognizer(recognizer);
    return recognizer;
}

bool touchesOwnContent(const std::weak_ptr<SBLockScreenView>& view, UITouch* touch) {
    auto lockScreen = view.lock();
    return lockScreen && touch != nullptr && lockScreen->isOwnContent(touch->view().get());
}

}  // namespace

void SBLockScreenBounceAnimator::attachToLockScreenView(
    const std::shared_ptr<SBLockScreenView>& view) {
    view_ = view;
    attach<UITapGestureRecognizer>(*this, *view, "_handleTapGesture:");
}

void SBLockScreenBounceAnimator::_handleTapGesture(UIGestureRecognizer*) {
    if (auto view = view_.lock()) view->bounce();
}

bool SBLockScreenBounceAnimator::gestureRecognizer_shouldReceiveTouch(UIGestureRecognizer*,
                                                                      UITouch* touch) {
    return touchesOwnContent(view_, touch);
}

void SBLockScreenHintManager::attachToLockScreenView(
    const std::shared_ptr<SBLockScreenView>& view) {
    view_ = view;
    attach<UILongPressGestureRecognizer>(*this, *view, "_handlePress:");
    attach<UITapGestureRecognizer>(*this, *view, "_handleTap:");
}

void SBLockScreenHintManager::_handlePress(UIGestureRecognizer* recognizer) {
    auto view = view_.lock();
    if (view && recognizer != nullptr && recognizer->state() == UIGestureRecognizerStateBegan) {
        view->showHint("Swipe up from the bottom for the camera");
    }
}

void SBLockScreenHintManager::_handleTap(UIGestureRecognizer*) {
    if (auto view = view_.lock()) view->showHint("Slide right to unlock");
}

bool SBLockScreenHintManager::gestureRecognizer_shouldReceiveTouch(UIGestureRecognizer*,
                                                                   UITouch* touch) {
    return touchesOwnContent(view_, touch);
}
