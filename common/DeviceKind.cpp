#include "common/DeviceKind.h"

#include "platform/ui/views/UIDevice.h"

bool isTabletDevice(const UIDevice& device) {
    return device.respondsToSelector("userInterfaceIdiom") &&
           device.userInterfaceIdiom() == UIUserInterfaceIdiomPad;
}
