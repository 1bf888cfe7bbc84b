#include "sim/DeviceRootLayout.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
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

// Whether `installed` is a regular file holding what `built` holds. The device's copy is compared
// by contents, not by time: a newer file that someone put there is replaced all the same.
bool hasSameContents(const std::filesystem::path& built, const std::filesystem::path& installed) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(installed, error)) ||
        std::filesystem::file_size(installed, error) != std::filesystem::file_size(built, error) ||
        error) {
        return false;
    }
    std::ifstream a(built, std::ios::binary), b(installed, std::ios::binary);
    return a && b &&
           std::equal(std::istreambuf_iterator<char>(a), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(b), std::istreambuf_iterator<char>());
}

// Copies beside the target and renames into place, so a simulator starting at the same moment
// finds the old file or the new one, never half of one.
void replaceFile(const std::filesystem::path& source, const std::filesystem::path& target,
                 std::error_code& error) {
    const std::filesystem::path copy =
        target.parent_path() /
        ("." + target.filename().string() + ".installing-" + std::to_string(getpid()));
    std::filesystem::copy_file(source, copy, std::filesystem::copy_options::overwrite_existing,
                               error);
    if (!error) std::filesystem::rename(copy, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(copy, ignored);
    }
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
    const std::filesystem::path built = PLAKKO_BUILT_DEVICE;
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator it(built, error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::path installed =
            DeviceRoot::path() / it->path().lexically_relative(built);
        if (it->is_directory()) {
            std::filesystem::create_directories(installed, error);
        } else if (!hasSameContents(it->path(), installed)) {
            replaceFile(it->path(), installed, error);
        }
    }
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
