#pragma once

#include <string>
#include <string_view>

#include "platform/runtime/NSObject.h"

enum UIUserInterfaceIdiom : int { UIUserInterfaceIdiomPhone = 0, UIUserInterfaceIdiomPad = 1 };

enum UIDeviceOrientation : int {
    UIDeviceOrientationUnknown = 0,
    UIDeviceOrientationPortrait = 1,
    UIDeviceOrientationPortraitUpsideDown = 2,
    UIDeviceOrientationLandscapeLeft = 3,
    UIDeviceOrientationLandscapeRight = 4,
    UIDeviceOrientationFaceUp = 5,
    UIDeviceOrientationFaceDown = 6,
};

inline constexpr char UIDeviceOrientationDidChangeNotification[] =
    "UIDeviceOrientationDidChangeNotification";

// The device: system version, kind (phone or tablet) and physical orientation. The simulator
// sets it up from the device profile. Some systems' devices don't answer userInterfaceIdiom at
// all; respondsToSelector tells.
class UIDevice : public NSObject {
    RUNTIME_CLASS(UIDevice)
    static UIDevice& currentDevice();

    const std::string& systemVersion() const { return systemVersion_; }
    // Whether the system version compares lower than `version`, digit runs compared as numbers
    // ("6.1.3" is before "7.0", "7.10" is not before "7.9").
    bool isSystemVersionBefore(std::string_view version) const;
    UIUserInterfaceIdiom userInterfaceIdiom() const { return idiom_; }
    bool respondsToSelector(SEL selector) const override;
    UIDeviceOrientation orientation() const { return orientation_; }
    // Posts UIDeviceOrientationDidChangeNotification when the orientation changes.
    void setOrientation(UIDeviceOrientation orientation);

    void configure(std::string systemVersion, UIUserInterfaceIdiom idiom, bool answersIdiom = true);

private:
    std::string systemVersion_ = "7.0.4";
    UIUserInterfaceIdiom idiom_ = UIUserInterfaceIdiomPhone;
    bool answersIdiom_ = true;
    UIDeviceOrientation orientation_ = UIDeviceOrientationPortrait;
};
