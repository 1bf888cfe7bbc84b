#include "sim/DeviceRotation.h"

#include <algorithm>
#include <array>

#include "platform/springboard/SpringBoard.h"
#include "platform/ui/views/UIApplication.h"

namespace {

// The four upright orientations, each a quarter turn clockwise from the one before.
constexpr std::array kClockwise = {
    UIDeviceOrientationPortrait,
    UIDeviceOrientationLandscapeRight,
    UIDeviceOrientationPortraitUpsideDown,
    UIDeviceOrientationLandscapeLeft,
};

UIInterfaceOrientation interfaceOrientation(UIDeviceOrientation orientation) {
    switch (orientation) {
        case UIDeviceOrientationPortraitUpsideDown:
            return UIInterfaceOrientationPortraitUpsideDown;
        case UIDeviceOrientationLandscapeLeft:
            return UIInterfaceOrientationLandscapeRight;
        case UIDeviceOrientationLandscapeRight:
            return UIInterfaceOrientationLandscapeLeft;
        default:
            return UIInterfaceOrientationPortrait;
    }
}

}  // namespace

void rotateDevice(UIDeviceOrientation orientation) {
    SpringBoard& springBoard = SpringBoard::shared();
    if (springBoard.isBooted()) {
        springBoard.rotate(interfaceOrientation(orientation));  // turns its lock screen too
        return;
    }
    UIApplication::sharedApplication().setStatusBarOrientation(interfaceOrientation(orientation));
    UIDevice::currentDevice().setOrientation(orientation);
}

UIDeviceOrientation quarterTurn(UIDeviceOrientation from, RotationDirection direction) {
    auto it = std::find(kClockwise.begin(), kClockwise.end(), from);
    const size_t index = it != kClockwise.end() ? static_cast<size_t>(it - kClockwise.begin()) : 0;
    const size_t step = direction == RotationDirection::Clockwise ? 1 : kClockwise.size() - 1;
    return kClockwise[(index + step) % kClockwise.size()];
}
