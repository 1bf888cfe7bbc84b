#include "platform/foundation/NSOperation.h"

#include "platform/foundation/DispatchQueue.h"

void NSOperation::start() {
    {
        std::lock_guard lock(mutex_);
        if (state_ != State::Ready)
            return;
        state_ = State::Executing;
    }
    main();
    {
        std::lock_guard lock(mutex_);
        state_ = State::Finished;
    }
    finished_.notify_all();
}

void NSOperation::waitUntilFinished() {
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [&] { return state_ == State::Finished; });
}

bool NSOperation::isExecuting() const {
    std::lock_guard lock(mutex_);
    return state_ == State::Executing;
}

bool NSOperation::isFinished() const {
    std::lock_guard lock(mutex_);
    return state_ == State::Finished;
}

void NSOperationQueue::addOperation(std::shared_ptr<NSOperation> operation) {
    DispatchQueue::global().async([operation = std::move(operation)] { operation->start(); });
}
