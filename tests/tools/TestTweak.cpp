// A tweak for the loader's tests: says when it is loaded and makes the lock screen's hint press
// say so too.
#include "platform/foundation/SystemLog.h"
#include "platform/runtime/Runtime.h"

class UIGestureRecognizer;

namespace {

void (*previousPress)(id, SEL, UIGestureRecognizer*) = nullptr;

void hookedPress(id self, SEL selector, UIGestureRecognizer* recognizer) {
    NSLog("test tweak saw a press");
    previousPress(self, selector, recognizer);
}

__attribute__((constructor)) void loaded() {
    NSLog("test tweak loaded");
    MSHookMessageEx(objc_getClass("SBLockScreenHintManager"), "_handlePress:", hookedPress,
                    &previousPress);
}

}  // namespace
