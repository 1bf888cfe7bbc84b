#include "sim/DeviceRootLayout.h"

#include <stdexcept>
#include <system_error>

#include "platform/foundation/DeviceRoot.h"

namespace {

constexpr const char* kSystemFolders[] = {
    "/Library/MobileSubstrate/DynamicLibraries",
    "/Library/PreferenceBundles",
    "/Library/PreferenceLoader/Preferences",
    "/var/mobile/Library/Preferences",
    "/var/mobile/Library/Notes",
};

}  // namespace

void prepareDeviceRoot(const std::filesystem::path& hostFolder) {
    DeviceRoot::setPath(hostFolder);
    for (const char* folder : kSystemFolders) {
        const std::filesystem::path path = DeviceRoot::resolve(folder);
        std::error_code error;
        std::filesystem::create_directories(path, error);
        if (error || !std::filesystem::is_directory(path)) {
            throw std::runtime_error("can't create the device folder " + path.string() + ": " +
                                     (error ? error.message() : "a file is in the way"));
        }
    }
}

void installDeliverables() {
    std::error_code error;
    std::filesystem::copy(
        PLAKKO_BUILT_DEVICE, DeviceRoot::path(),
        std::filesystem::copy_options::recursive | std::filesystem::copy_options::update_existing,
        error);
    if (error)
        throw std::runtime_error(std::string("can't install Plakko into the device: ") +
                                 error.message());
}
