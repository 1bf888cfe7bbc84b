#include "platform/ui/views/UIDevice.h"

#include <cstring>

#include "platform/foundation/NSNotificationCenter.h"
#include "platform/foundation/StringConversions.h"
#include "platform/runtime/Runtime.h"

Class UIDevice::classObject() {
    static const Class cls =
        defineClass<UIDevice>("UIDevice", NSObject::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "userInterfaceIdiom",
                +[](id self, SEL) { return static_cast<UIDevice*>(self)->userInterfaceIdiom(); });
        });
    return cls;
}

UIDevice& UIDevice::currentDevice() {
    static std::shared_ptr<UIDevice> device = std::make_shared<UIDevice>();
    return *device;
}

bool UIDevice::respondsToSelector(SEL selector) const {
    if (selector != nullptr && std::strcmp(selector, "userInterfaceIdiom") == 0)
        return answersIdiom_;
    return NSObject::respondsToSelector(selector);
}

void UIDevice::setOrientation(UIDeviceOrientation orientation) {
    if (orientation == orientation_) return;
    orientation_ = orientation;
    NSNotificationCenter::defaultCenter().postNotificationName(
        UIDeviceOrientationDidChangeNotification, this);
}

void UIDevice::configure(std::string systemVersion, UIUserInterfaceIdiom idiom, bool answersIdiom) {
    systemVersion_ = std::move(systemVersion);
    idiom_ = idiom;
    answersIdiom_ = answersIdiom;
}

bool UIDevice::isSystemVersionBefore(std::string_view version) const {
    return StringConversions::compareNumeric(systemVersion_, version) < 0;
}
