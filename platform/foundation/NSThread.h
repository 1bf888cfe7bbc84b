#pragma once

#include <functional>

namespace NSThread {

// The main thread is the one that loaded the platform, at program start.
bool isMainThread();
// Runs `work` on a new thread that nobody joins.
void detachNewThreadWithBlock(std::function<void()> work);

}  // namespace NSThread
