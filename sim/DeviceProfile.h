#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/graphics/CGGeometry.h"
#include "platform/ui/views/UIDevice.h"

// A model of device the simulator can be: its portrait screen in points, the screen's scale and
// whether it is a phone or a tablet.
struct DeviceProfile {
    std::string name;         // as given to --device: "iphone5"
    std::string displayName;  // "iPhone 5"
    CGSize screenSize;
    CGFloat scale;
    UIUserInterfaceIdiom idiom;

    // Nothing for a name that is not a known device.
    static std::optional<DeviceProfile> named(std::string_view name);
    // The known names, for usage messages: "iphone4s|iphone5|ipad".
    static std::string names();

    // Sets up the main screen and the current device, running `systemVersion`.
    void apply(const std::string& systemVersion) const;
};
