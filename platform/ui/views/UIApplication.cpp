#include "platform/ui/views/UIApplication.h"

#include <algorithm>

#include "platform/foundation/NSNotificationCenter.h"
#include "platform/foundation/SystemLog.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/views/UIWindow.h"

Class UIApplication::classObject() {
    static const Class cls =
        defineClass<UIApplication>("UIApplication", UIResponder::classObject());
    return cls;
}

UIApplication& UIApplication::sharedApplication() {
    static std::shared_ptr<UIApplication> application = std::make_shared<UIApplication>();
    return *application;
}

std::vector<std::shared_ptr<UIWindow>> UIApplication::windows() const {
    auto ordered = windows_;
    std::stable_sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) {
        return a->windowLevel() < b->windowLevel();
    });
    return ordered;
}

void UIApplication::makeKeyWindow(const std::shared_ptr<UIWindow>& window) {
    if (!window) return;
    addWindow(window);
    keyWindow_ = window;
}

void UIApplication::addWindow(const std::shared_ptr<UIWindow>& window) {
    if (window && std::find(windows_.begin(), windows_.end(), window) == windows_.end())
        windows_.push_back(window);
}

void UIApplication::removeWindow(const UIWindow* window) {
    std::erase_if(windows_, [window](const auto& w) { return w.get() == window; });
}

bool UIApplication::openURL(const std::string& url) {
    openedURLs_.push_back(url);
    NSLog("openURL: " + url);
    return true;
}

void UIApplication::performMemoryWarning() {
    NSNotificationCenter::defaultCenter().postNotificationName(
        std::string(kMemoryPressureNotification), this);
}

void UIApplication::enterBackground() {
    NSNotificationCenter::defaultCenter().postNotificationName(
        UIApplicationDidEnterBackgroundNotification, this);
}

void UIApplication::enterForeground() {
    NSNotificationCenter::defaultCenter().postNotificationName(
        UIApplicationWillEnterForegroundNotification, this);
}
