#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// A thread-safe key→object cache with optional count and cost limits (0: none). Past a limit the
// least recently used entries go; on the memory-pressure notification every entry goes.
class CacheStorage {
  public:
    CacheStorage();
    ~CacheStorage();
    CacheStorage(const CacheStorage&) = delete;
    CacheStorage& operator=(const CacheStorage&) = delete;

    std::shared_ptr<void> objectForKey(std::string_view key);
    void setObject(std::shared_ptr<void> object, std::string key, size_t cost);
    void removeObjectForKey(std::string_view key);
    void removeAllObjects();
    void setCountLimit(size_t limit);
    void setTotalCostLimit(size_t limit);
    size_t count() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

template <class T>
class NSCache {
  public:
    std::shared_ptr<T> objectForKey(std::string_view key) {
        return std::static_pointer_cast<T>(storage_.objectForKey(key));
    }
    void setObject_forKey_cost(std::shared_ptr<T> object, std::string key, size_t cost) {
        storage_.setObject(std::move(object), std::move(key), cost);
    }
    void setObject_forKey(std::shared_ptr<T> object, std::string key) {
        storage_.setObject(std::move(object), std::move(key), 0);
    }
    void removeObjectForKey(std::string_view key) { storage_.removeObjectForKey(key); }
    void removeAllObjects() { storage_.removeAllObjects(); }
    void setCountLimit(size_t limit) { storage_.setCountLimit(limit); }
    void setTotalCostLimit(size_t limit) { storage_.setTotalCostLimit(limit); }
    size_t count() const { return storage_.count(); }

  private:
    CacheStorage storage_;
};
