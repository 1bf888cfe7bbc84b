#include "platform/foundation/NSThread.h"

#include <thread>

namespace {
const std::thread::id mainThreadId = std::this_thread::get_id();
}

bool NSThread::isMainThread() {
    return std::this_thread::get_id() == mainThreadId;
}

void NSThread::detachNewThreadWithBlock(std::function<void()> work) {
    std::thread(std::move(work)).detach();
}
