#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "platform/foundation/KeyValueObservable.h"
#include "platform/ui/views/UIView.h"

// Marks `view` for redisplay whenever one of `keyPaths` of `observed` changes, for as long as
// the subscriptions are kept. A view observing itself keeps them as members, so they end with it.
inline std::vector<Subscription> redisplayOnChange(KeyValueObservable& observed, UIView& view,
                                                   std::span<const std::string_view> keyPaths) {
    std::vector<Subscription> subscriptions;
    for (std::string_view keyPath : keyPaths) {
        subscriptions.push_back(observed.addObserver_forKeyPath(
            std::string(keyPath),
            [&view](std::string_view, const std::any&) { view.setNeedsDisplay(); }));
    }
    return subscriptions;
}
