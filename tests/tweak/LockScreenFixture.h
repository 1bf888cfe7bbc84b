#pragma once

#include <memory>
#include <optional>

#include "platform/foundation/PlistValue.h"
#include "platform/graphics/CGGeometry.h"
#include "platform/ui/touches/TouchDispatcher.h"
#include "tests/support/TemporaryDeviceRoot.h"
#include "tests/support/VirtualTimeTest.h"

class SBLockScreenView;
class UIView;

// SpringBoard booted in this process, on virtual time, with the built tweak library and the
// bundle's images installed in a fresh device root. SpringBoard and the classes it registers are
// one per process, so each test needs a process of its own, as CTest runs them.
class LockScreenFixture : public VirtualTimeTest {
protected:
    LockScreenFixture();

    // The preference file as SpringBoard will find it at boot (no defaults are then written).
    void writePreferences(const PlistDictionary& settings) const;
    std::optional<PlistDictionary> preferences() const;
    void boot(CGSize screen, const char* version);

    // The system 7 lock screen of the current lock.
    std::shared_ptr<SBLockScreenView> lockScreen() const;
    // The note is the scroll view's subview with the note's size; the hide button sits beside it.
    std::shared_ptr<UIView> note() const;
    std::shared_ptr<UIView> hideButton() const;

    // A finger's gestures in screen points, each followed by `settle` seconds; like the device's
    // fingers, each touch also counts as activity that keeps the screen lit.
    void tap(CGPoint screenPoint, double settle = 0.5);
    void tapThenHold(CGPoint screenPoint, double holdFor, double settle = 1);
    void drag(CGPoint from, CGPoint to, int steps, double settle = 0.5);

    TemporaryDeviceRoot root_;

private:
    void touchDown(CGPoint screenPoint);

    TouchDispatcher fingers_;
};
