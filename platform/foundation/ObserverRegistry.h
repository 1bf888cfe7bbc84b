#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "platform/foundation/Subscription.h"

// A thread-safe list of observers. Adding gives a Subscription that removes the entry again (and
// is harmless once the registry is gone); `matching` copies out the entries to call, so observers
// run without the lock held and may add or remove observers themselves.
template <class Entry>
class ObserverRegistry {
  public:
    ObserverRegistry() : state_(std::make_shared<State>()) {}

    [[nodiscard]] Subscription add(Entry entry) {
        auto shared = std::make_shared<Entry>(std::move(entry));
        {
            std::lock_guard lock(state_->mutex);
            state_->entries.push_back(shared);
        }
        std::weak_ptr<State> weakState = state_;
        return Subscription([weakState, raw = shared.get()] {
            if (auto state = weakState.lock()) {
                std::lock_guard lock(state->mutex);
                std::erase_if(state->entries, [raw](const auto& e) { return e.get() == raw; });
            }
        });
    }

    template <class Predicate>
    std::vector<std::shared_ptr<Entry>> matching(Predicate predicate) const {
        std::vector<std::shared_ptr<Entry>> result;
        std::lock_guard lock(state_->mutex);
        for (const auto& entry : state_->entries) {
            if (predicate(*entry))
                result.push_back(entry);
        }
        return result;
    }

  private:
    struct State {
        std::mutex mutex;
        std::vector<std::shared_ptr<Entry>> entries;
    };
    std::shared_ptr<State> state_;
};
