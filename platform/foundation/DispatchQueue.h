#pragma once

#include <functional>
#include <memory>
#include <string>

// The platform's dispatch queues: the main queue (the main run loop), the global concurrent queue
// of default priority, and serial queues that run their work one item at a time in order.
class DispatchQueue {
  public:
    virtual ~DispatchQueue() = default;

    static DispatchQueue& main();
    static DispatchQueue& global();
    static std::shared_ptr<DispatchQueue> createSerial(const std::string& label);

    virtual void async(std::function<void()> work) = 0;
    // Runs `work` on the queue and waits for it. Calling it from the queue's own thread (the main
    // queue from the main thread, a serial queue from its work) would never return: refused.
    void sync(std::function<void()> work);

  protected:
    virtual bool isCurrent() const = 0;
};
