#include "platform/foundation/NSNotificationCenter.h"

NSNotificationCenter& NSNotificationCenter::defaultCenter() {
    static NSNotificationCenter* center = new NSNotificationCenter();  // outlives every observer
    return *center;
}

Subscription NSNotificationCenter::addObserverForName(std::string name, const void* object,
                                                      Block block) {
    return observers_.add(Observer{std::move(name), object, std::move(block)});
}

void NSNotificationCenter::postNotification(const NSNotification& notification) {
    auto matching = observers_.matching([&](const Observer& observer) {
        return observer.name == notification.name &&
               (observer.object == nullptr || observer.object == notification.object);
    });
    for (const auto& observer : matching)
        observer->block(notification);
}

void NSNotificationCenter::postNotificationName(std::string name, const void* object) {
    postNotification(NSNotification{std::move(name), object, {}});
}
