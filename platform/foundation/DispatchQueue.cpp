#include "platform/foundation/DispatchQueue.h"

#include <pthread.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/foundation/NSAssertionHandler.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/foundation/NSThread.h"

namespace {

// A work list drained by its own threads. The threads keep the list alive, so a queue may be
// released by work running on it.
class WorkerPool : public std::enable_shared_from_this<WorkerPool> {
  public:
    void start(size_t threads, const std::string& name) {
        for (size_t i = 0; i < threads; ++i) {
            std::thread thread([self = shared_from_this()] { self->work(); });
            // Thread names show in debuggers; the system keeps at most 15 characters.
            pthread_setname_np(thread.native_handle(), name.substr(0, 15).c_str());
            thread.detach();
        }
    }

    void add(std::function<void()> item) {
        {
            std::lock_guard lock(mutex_);
            items_.push_back(std::move(item));
        }
        ready_.notify_one();
    }

    void close() {
        {
            std::lock_guard lock(mutex_);
            closed_ = true;
        }
        ready_.notify_all();
    }

    bool runsOnThisThread() const {
        std::lock_guard lock(mutex_);
        return std::find(threads_.begin(), threads_.end(), std::this_thread::get_id()) !=
               threads_.end();
    }

  private:
    void work() {
        std::unique_lock lock(mutex_);
        threads_.push_back(std::this_thread::get_id());
        for (;;) {
            ready_.wait(lock, [&] { return closed_ || !items_.empty(); });
            if (items_.empty())
                break;  // closed and drained
            auto item = std::move(items_.front());
            items_.pop_front();
            lock.unlock();
            item();
            item = nullptr;
            lock.lock();
        }
        std::erase(threads_, std::this_thread::get_id());
    }

    mutable std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<std::function<void()>> items_;
    std::vector<std::thread::id> threads_;
    bool closed_ = false;
};

class MainQueue final : public DispatchQueue {
  public:
    void async(std::function<void()> work) override {
        NSRunLoop::mainRunLoop().performBlock(std::move(work));
    }

  protected:
    bool isCurrent() const override { return NSThread::isMainThread(); }
};

class PoolQueue final : public DispatchQueue {
  public:
    PoolQueue(size_t threads, const std::string& label) : pool_(std::make_shared<WorkerPool>()) {
        pool_->start(threads, label);
    }
    ~PoolQueue() override { pool_->close(); }

    void async(std::function<void()> work) override { pool_->add(std::move(work)); }

  protected:
    bool isCurrent() const override { return pool_->runsOnThisThread(); }

  private:
    std::shared_ptr<WorkerPool> pool_;
};

}  // namespace

DispatchQueue& DispatchQueue::main() {
    static MainQueue queue;
    return queue;
}

DispatchQueue& DispatchQueue::global() {
    // Never destroyed: its threads may still be running work while the process exits.
    static PoolQueue* queue =
        new PoolQueue(std::max(2u, std::thread::hardware_concurrency()), "global-queue");
    return *queue;
}

std::shared_ptr<DispatchQueue> DispatchQueue::createSerial(const std::string& label) {
    return std::make_shared<PoolQueue>(1, label);
}

void DispatchQueue::sync(std::function<void()> work) {
    NSAssert(!isCurrent(), "A queue can't wait for work on itself.");
    std::promise<void> done;
    async([&] {
        work();
        done.set_value();
    });
    done.get_future().wait();
}
