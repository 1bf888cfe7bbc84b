#include "sim/DeviceProfile.h"

#include <array>

#include "platform/ui/views/UIScreen.h"

namespace {

const std::array<DeviceProfile, 3>& profiles() {
    static const std::array<DeviceProfile, 3> known = {{
        {"iphone4s", "iPhone 4S", {320, 480}, 2, UIUserInterfaceIdiomPhone},
        {"iphone5", "iPhone 5", {320, 568}, 2, UIUserInterfaceIdiomPhone},
        {"ipad", "iPad", {768, 1024}, 2, UIUserInterfaceIdiomPad},
    }};
    return known;
}

}  // namespace

std::optional<DeviceProfile> DeviceProfile::named(std::string_view name) {
    for (const DeviceProfile& profile : profiles()) {
        if (profile.name == name) return profile;
    }
    return std::nullopt;
}

std::string DeviceProfile::names() {
    std::string joined;
    for (const DeviceProfile& profile : profiles()) {
        joined += (joined.empty() ? "" : "|") + profile.name;
    }
    return joined;
}

void DeviceProfile::apply(const std::string& systemVersion) const {
    UIScreen::mainScreen().configure(screenSize, scale);
    UIDevice::currentDevice().configure(systemVersion, idiom);
}
