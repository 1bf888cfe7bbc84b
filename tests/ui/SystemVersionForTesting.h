#pragma once

#include <string>
#include <utility>

#include "platform/ui/views/UIDevice.h"

// Runs a test as on a device with another system version, and puts the old one back after.
class SystemVersionForTesting {
public:
    explicit SystemVersionForTesting(std::string version)
        : saved_(UIDevice::currentDevice().systemVersion()) {
        configure(std::move(version));
    }
    ~SystemVersionForTesting() { configure(saved_); }
    SystemVersionForTesting(const SystemVersionForTesting&) = delete;
    SystemVersionForTesting& operator=(const SystemVersionForTesting&) = delete;

private:
    static void configure(std::string version) {
        auto& device = UIDevice::currentDevice();
        device.configure(std::move(version), device.userInterfaceIdiom(),
                         device.respondsToSelector("userInterfaceIdiom"));
    }
    std::string saved_;
};
