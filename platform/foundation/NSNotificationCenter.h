#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/foundation/ObserverRegistry.h"
#include "platform/foundation/PlistValue.h"

struct NSNotification {
    std::string name;
    const void* object = nullptr;  // the sender, compared by identity only
    PlistDictionary userInfo;
};

// Posts notifications to the observers of a name, synchronously on the posting thread.
class NSNotificationCenter {
  public:
    using Block = std::function<void(const NSNotification&)>;

    static NSNotificationCenter& defaultCenter();

    // `object` null observes every sender. The observation ends when the subscription goes.
    [[nodiscard]] Subscription addObserverForName(std::string name, const void* object,
                                                  Block block);
    void postNotification(const NSNotification& notification);
    void postNotificationName(std::string name, const void* object = nullptr);

  private:
    struct Observer {
        std::string name;
        const void* object;
        Block block;
    };
    ObserverRegistry<Observer> observers_;
};

// Posted when the system is short of memory; caches drop what they hold.
inline constexpr std::string_view kMemoryPressureNotification =
    "UIApplicationDidReceiveMemoryWarningNotification";
