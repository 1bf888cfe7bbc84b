#include "platform/foundation/NSCache.h"

#include <list>
#include <map>
#include <mutex>
#include <vector>

#include "platform/foundation/NSNotificationCenter.h"

struct CacheStorage::State {
    struct Entry {
        std::string key;
        std::shared_ptr<void> object;
        size_t cost;
    };

    mutable std::mutex mutex;
    std::list<Entry> entries;  // least recently used first
    std::map<std::string, std::list<Entry>::iterator, std::less<>> index;
    size_t totalCost = 0;
    size_t countLimit = 0;
    size_t totalCostLimit = 0;
    Subscription memoryPressure;

    // Objects leave the lock before they are released: their destructors may use the cache.
    void remove(std::list<Entry>::iterator it, std::vector<std::shared_ptr<void>>& released) {
        totalCost -= it->cost;
        released.push_back(std::move(it->object));
        index.erase(it->key);
        entries.erase(it);
    }

    void evictOverLimits(std::vector<std::shared_ptr<void>>& released) {
        while (!entries.empty() && ((countLimit > 0 && entries.size() > countLimit) ||
                                    (totalCostLimit > 0 && totalCost > totalCostLimit))) {
            remove(entries.begin(), released);
        }
    }
};

CacheStorage::CacheStorage() : state_(std::make_unique<State>()) {
    state_->memoryPressure = NSNotificationCenter::defaultCenter().addObserverForName(
        std::string(kMemoryPressureNotification), nullptr,
        [this](const NSNotification&) { removeAllObjects(); });
}

CacheStorage::~CacheStorage() {
    state_->memoryPressure.reset();
}

std::shared_ptr<void> CacheStorage::objectForKey(std::string_view key) {
    std::lock_guard lock(state_->mutex);
    auto found = state_->index.find(key);
    if (found == state_->index.end())
        return nullptr;
    state_->entries.splice(state_->entries.end(), state_->entries, found->second);
    return found->second->object;
}

void CacheStorage::setObject(std::shared_ptr<void> object, std::string key, size_t cost) {
    std::vector<std::shared_ptr<void>> released;
    std::lock_guard lock(state_->mutex);
    if (auto found = state_->index.find(key); found != state_->index.end()) {
        state_->remove(found->second, released);
    }
    state_->entries.push_back(State::Entry{key, std::move(object), cost});
    state_->index.emplace(std::move(key), std::prev(state_->entries.end()));
    state_->totalCost += cost;
    state_->evictOverLimits(released);
}

void CacheStorage::removeObjectForKey(std::string_view key) {
    std::vector<std::shared_ptr<void>> released;
    std::lock_guard lock(state_->mutex);
    if (auto found = state_->index.find(key); found != state_->index.end()) {
        state_->remove(found->second, released);
    }
}

void CacheStorage::removeAllObjects() {
    std::vector<std::shared_ptr<void>> released;
    std::lock_guard lock(state_->mutex);
    while (!state_->entries.empty())
        state_->remove(state_->entries.begin(), released);
}

void CacheStorage::setCountLimit(size_t limit) {
    std::vector<std::shared_ptr<void>> released;
    std::lock_guard lock(state_->mutex);
    state_->countLimit = limit;
    state_->evictOverLimits(released);
}

void CacheStorage::setTotalCostLimit(size_t limit) {
    std::vector<std::shared_ptr<void>> released;
    std::lock_guard lock(state_->mutex);
    state_->totalCostLimit = limit;
    state_->evictOverLimits(released);
}

size_t CacheStorage::count() const {
    std::lock_guard lock(state_->mutex);
    return state_->entries.size();
}
