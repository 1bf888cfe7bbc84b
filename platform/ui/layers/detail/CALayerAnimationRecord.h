#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/NSRunLoop.h"
#include "platform/ui/layers/AnimatableValue.h"
#include "platform/ui/layers/CALayer.h"

class CAAnimation;

// One animation added to a layer, with what the layer needs to run it: the value it starts from,
// when it began and the timer that ends it. The layer owns its records; a record owns its
// animation.
struct CALayer::AnimationRecord {
    std::uint64_t id;
    std::string key;
    std::shared_ptr<CAAnimation> animation;
    AnimatableValue from;
    std::optional<double> beginTime;  // set when the transaction that added it commits
    bool finished = false;
    NSRunLoop::TimerId timer = 0;
};
