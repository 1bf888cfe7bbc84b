#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>

#include "platform/runtime/NSObject.h"

// A unit of work for an NSOperationQueue. Subclasses implement main(); waiters block in
// waitUntilFinished() until main() has returned.
class NSOperation : public NSObject {
  public:
    virtual void main() = 0;

    // Runs main() on the calling thread, then marks the operation finished.
    void start();
    void waitUntilFinished();

    virtual bool isExecuting() const;
    virtual bool isFinished() const;
    virtual bool isConcurrent() const { return false; }

  private:
    enum class State { Ready, Executing, Finished };
    mutable std::mutex mutex_;
    std::condition_variable finished_;
    State state_ = State::Ready;
};

// Runs operations on the global concurrent queue, as many at once as it has threads (the
// platform's default maximum, -1).
class NSOperationQueue {
  public:
    static constexpr int kDefaultMaxConcurrentOperationCount = -1;

    void addOperation(std::shared_ptr<NSOperation> operation);
    int maxConcurrentOperationCount() const { return kDefaultMaxConcurrentOperationCount; }
};
