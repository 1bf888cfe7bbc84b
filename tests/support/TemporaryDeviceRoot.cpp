#include "tests/support/TemporaryDeviceRoot.h"

#include <cstdlib>

#include "platform/foundation/DeviceRoot.h"

TemporaryDeviceRoot::TemporaryDeviceRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "plakko-root-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
    DeviceRoot::setPath(path_);
}

TemporaryDeviceRoot::~TemporaryDeviceRoot() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

std::filesystem::path TemporaryDeviceRoot::operator/(const std::string& devicePath) const {
    return DeviceRoot::resolve(devicePath);
}
