#include "platform/foundation/KeyValueObservable.h"

Subscription KeyValueObservable::addObserver_forKeyPath(std::string keyPath, Observer observer) {
    return observers_.add(Entry{std::move(keyPath), std::move(observer)});
}

void KeyValueObservable::didChangeValueForKey(std::string_view key, const std::any& newValue) {
    auto matching = observers_.matching([&](const Entry& entry) { return entry.keyPath == key; });
    for (const auto& entry : matching)
        entry->observer(key, newValue);
}
