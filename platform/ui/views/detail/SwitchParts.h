#pragma once

#include <memory>

#include "platform/graphics/CGGeometry.h"

class CALayer;

// The layers that draw a switch in one system look, added to the switch's own layer. The switch
// keeps its state and its touches; its parts only show the state. `place` sets every part for
// the state in the switch's bounds; the caller's transaction decides whether that animates.
//
// Ownership: the switch's layer owns the parts' layers; the parts object keeps references to
// move them.
class SwitchParts {
public:
    virtual ~SwitchParts() = default;
    virtual void place(CGRect bounds, bool on) = 0;

    // The flat look of system 7, or the older one with its ON and OFF labels.
    static std::unique_ptr<SwitchParts> make(bool classic, CALayer& host);
};
