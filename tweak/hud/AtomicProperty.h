#pragma once

#include <mutex>
#include <utility>

// A property that a task on another thread may read or write while the main thread uses it: the
// value is copied in and out under a lock of its own, so a reader never sees half a write.
template <class T>
class AtomicProperty {
public:
    AtomicProperty() = default;
    explicit AtomicProperty(T value) : value_(std::move(value)) {}
    AtomicProperty(const AtomicProperty&) = delete;
    AtomicProperty& operator=(const AtomicProperty&) = delete;

    T get() const {
        std::lock_guard lock(mutex_);
        return value_;
    }
    // The old value is dropped after the lock is released: letting go of the last reference to
    // an object may run code that uses this property again.
    void set(T value) { exchange(std::move(value)); }
    // Sets the new value and gives the old one.
    T exchange(T value) {
        std::lock_guard lock(mutex_);
        return std::exchange(value_, std::move(value));
    }

private:
    mutable std::mutex mutex_;
    T value_{};
};
