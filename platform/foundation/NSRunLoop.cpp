#include "platform/foundation/NSRunLoop.h"

#include <chrono>
#include <cmath>
#include <limits>
#include <utility>

#include "platform/foundation/NSAssertionHandler.h"
#include "platform/foundation/NSThread.h"

namespace {
constexpr NSTimeInterval kNever = std::numeric_limits<NSTimeInterval>::infinity();
}

NSRunLoop& NSRunLoop::mainRunLoop() {
    static NSRunLoop* loop = new NSRunLoop();  // lives as long as the process and its threads
    return *loop;
}

void NSRunLoop::performBlock(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        posted_.push_back(std::move(task));
    }
    wake_.notify_one();
}

void NSRunLoop::performAtEndOfTurn(std::function<void()> task) {
    NSAssert(NSThread::isMainThread(), "End-of-turn tasks belong to the main thread.");
    endOfTurn_.push_back(std::move(task));
}

NSRunLoop::TimerId NSRunLoop::addTimer(NSTimeInterval fireDate, const void* tag,
                                       std::function<void()> fire) {
    TimerId id;
    {
        std::lock_guard lock(mutex_);
        id = nextTimerId_++;
        timers_.emplace(id, Timer{fireDate, tag, std::move(fire)});
    }
    wake_.notify_one();
    return id;
}

void NSRunLoop::removeTimer(TimerId timer) {
    std::function<void()> released;  // destroyed outside the lock: it may own anything
    std::lock_guard lock(mutex_);
    if (auto it = timers_.find(timer); it != timers_.end()) {
        released = std::move(it->second.fire);
        timers_.erase(it);
    }
}

void NSRunLoop::removeTimersTagged(const void* tag) {
    std::vector<std::function<void()>> released;
    std::lock_guard lock(mutex_);
    std::erase_if(timers_, [&](auto& entry) {
        if (entry.second.tag != tag)
            return false;
        released.push_back(std::move(entry.second.fire));
        return true;
    });
}

std::function<void()> NSRunLoop::takeDueTimer(NSTimeInterval now, TimerId idLimit) {
    std::lock_guard lock(mutex_);
    auto due = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end() && it->first < idLimit; ++it) {
        if (it->second.fireDate <= now &&
            (due == timers_.end() || it->second.fireDate < due->second.fireDate)) {
            due = it;
        }
    }
    if (due == timers_.end())
        return nullptr;
    auto fire = std::move(due->second.fire);
    timers_.erase(due);
    return fire;
}

NSTimeInterval NSRunLoop::earliestFireDate() const {
    NSTimeInterval earliest = kNever;
    for (const auto& [id, timer] : timers_)
        earliest = std::min(earliest, timer.fireDate);
    return earliest;
}

void NSRunLoop::runTurn() {
    std::deque<std::function<void()>> tasks;
    TimerId idLimit;
    {
        std::lock_guard lock(mutex_);
        tasks.swap(posted_);
        idLimit = nextTimerId_;  // timers added during this turn wait for the next one
    }
    for (auto& task : tasks)
        task();
    tasks.clear();

    const NSTimeInterval now = Clock::current().now();
    while (auto fire = takeDueTimer(now, idLimit))
        fire();

    while (!endOfTurn_.empty()) {
        auto pending = std::move(endOfTurn_);
        endOfTurn_.clear();
        for (auto& task : pending)
            task();
    }
}

void NSRunLoop::runOneTurn() {
    NSAssert(NSThread::isMainThread(), "The main run loop runs on the main thread.");
    runTurn();
}

void NSRunLoop::runUntilDate(NSTimeInterval date) {
    NSAssert(NSThread::isMainThread(), "The main run loop runs on the main thread.");
    for (;;) {
        runTurn();
        std::unique_lock lock(mutex_);
        if (std::exchange(stopRequested_, false))
            return;
        if (!posted_.empty())
            continue;
        Clock& clock = Clock::current();
        const NSTimeInterval now = clock.now();
        const NSTimeInterval next = earliestFireDate();
        if (next <= now)
            continue;
        if (now >= date)
            return;
        const NSTimeInterval wakeAt = std::min(next, date);
        if (clock.isVirtual() && std::isfinite(wakeAt)) {
            lock.unlock();
            clock.advanceTo(wakeAt);
        } else if (std::isfinite(wakeAt) && !clock.isVirtual()) {
            wake_.wait_for(lock, std::chrono::duration<double>(wakeAt - now),
                           [&] { return !posted_.empty() || stopRequested_; });
        } else {
            // Nothing scheduled: only another thread can give this loop work.
            wake_.wait(lock, [&] { return !posted_.empty() || stopRequested_; });
        }
    }
}

void NSRunLoop::stop() {
    {
        std::lock_guard lock(mutex_);
        stopRequested_ = true;
    }
    wake_.notify_one();
}
