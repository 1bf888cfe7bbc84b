#pragma once

#include <functional>
#include <memory>

#include "platform/foundation/Clock.h"

class NSObject;

// The platform's delayed performs: run `action` on the main run loop after `delay` seconds,
// keeping `target` alive until then; and cancel every pending request aimed at a target.
void performAfterDelay(const std::shared_ptr<NSObject>& target, NSTimeInterval delay,
                       std::function<void()> action);
void cancelPreviousPerformRequestsWithTarget(const NSObject* target);
