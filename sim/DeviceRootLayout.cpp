#include "sim/DeviceRootLayout.h"

#include <stdexcept>
#include <system_error>

#include "platform/foundation/DeviceRoot.h"
#include "platform/springboard/TweakLoader.h"

namespace {

constexpr const char* kSystemFolders[] = {
    "/Library/MobileSubstrate/DynamicLibraries",
    "/Library/PreferenceBundles",
    "/Library/PreferenceLoader/Preferences",
    "/var/mobile/Library/Preferences",
    "/var/mobile/Library/Notes",
};

constexpr const char* kConverganceFiles[] = {"Convergance.dylib", "Convergance.plist"};

std::filesystem::path installedTweakFile(const std::string& name) {
    return DeviceRoot::resolve(std::string(TweakLoader::kFolder) + "/" + name);
}

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

void setConverganceInstalled(bool installed) {
    const std::filesystem::path built = std::filesystem::path(PLAKKO_BUILT_CONVERGANCE) /
                                        std::filesystem::path(TweakLoader::kFolder).relative_path();
    for (const char* name : kConverganceFiles) {
        std::error_code error;
        if (installed) {
            std::filesystem::copy_file(built / name, installedTweakFile(name),
                                       std::filesystem::copy_options::overwrite_existing, error);
        } else {
            std::filesystem::remove(installedTweakFile(name), error);
        }
        if (error) {
            throw std::runtime_error(std::string("can't ") + (installed ? "install " : "remove ") +
                                     name + ": " + error.message());
        }
    }
}

bool isConverganceInstalled() {
    return std::filesystem::exists(installedTweakFile(kConverganceFiles[0]));
}
