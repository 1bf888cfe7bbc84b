#include "prefs/ColorPaneLayout.h"

#include "common/DeviceKind.h"
#include "platform/ui/views/UIDevice.h"
#include "platform/ui/views/UIScreen.h"

namespace {

constexpr CGFloat kPhoneWheelOffset = 149;
constexpr CGFloat kTabletWheelOffset = 179;
// The preview sits higher on the shorter phone screens than on the 568-point one and tablets.
constexpr CGFloat kTallPhoneScreenHeight = 568;
constexpr CGFloat kPreviewY = 210;
constexpr CGFloat kShortPhonePreviewY = 185;
constexpr CGFloat kPreviewX = 30;
constexpr CGFloat kPhonePreviewWidth = 260;
constexpr CGFloat kTabletPreviewWidth = 380;
constexpr CGFloat kPreviewHeight = 50;

}  // namespace

ColorPaneLayout ColorPaneLayout::forCurrentDevice() {
    if (isTabletDevice(UIDevice::currentDevice())) return tablet();
    return phone(UIScreen::mainScreen().bounds().size.height);
}

ColorPaneLayout ColorPaneLayout::phone(CGFloat screenHeight) {
    const CGFloat previewY =
        screenHeight == kTallPhoneScreenHeight ? kPreviewY : kShortPhonePreviewY;
    return {kPhoneWheelOffset, CGRectMake(kPreviewX, previewY, kPhonePreviewWidth, kPreviewHeight)};
}

ColorPaneLayout ColorPaneLayout::tablet() {
    return {kTabletWheelOffset,
            CGRectMake(kPreviewX, kPreviewY, kTabletPreviewWidth, kPreviewHeight)};
}

CGRect ColorPaneLayout::wheelFrame(CGRect cellBounds) const {
    return CGRectMake(cellBounds.size.width / 2 - wheelOffset, 0, kWheelSide, kWheelSide);
}

CGRect ColorPaneLayout::sliderFrame(CGRect wheelFrame, CGRect wheelBounds) {
    return CGRectMake(wheelFrame.origin.x,
                      wheelFrame.origin.y + wheelBounds.size.height + kSliderGap, kWheelSide,
                      kSliderHeight);
}
