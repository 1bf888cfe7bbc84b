#pragma once

#include <any>
#include <functional>
#include <string>
#include <string_view>

#include "platform/foundation/ObserverRegistry.h"

// Key-value observing for an object's own properties: a setter calls didChangeValueForKey with the
// new value, and every observer of that key is told at once, on the thread that made the change.
class KeyValueObservable {
  public:
    using Observer = std::function<void(std::string_view keyPath, const std::any& newValue)>;

    virtual ~KeyValueObservable() = default;

    // The observation ends when the subscription goes (it may outlive the observed object).
    [[nodiscard]] Subscription addObserver_forKeyPath(std::string keyPath, Observer observer);

  protected:
    void didChangeValueForKey(std::string_view key, const std::any& newValue);

  private:
    struct Entry {
        std::string keyPath;
        Observer observer;
    };
    ObserverRegistry<Entry> observers_;
};
