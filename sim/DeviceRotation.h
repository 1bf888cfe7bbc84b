#pragma once

#include "platform/ui/views/UIDevice.h"

enum class RotationDirection { Clockwise, Anticlockwise };

// Turns the simulated device: the device's orientation (posting
// UIDeviceOrientationDidChangeNotification) and the status bar's matching interface orientation
// (device landscape-left, home button on the right, is interface landscape-right, as on the
// platform). A booted SpringBoard does this itself and turns its lock screen with the device;
// without it the status bar changes first, so that the notification's observers see both agree.
void rotateDevice(UIDeviceOrientation orientation);

// A quarter turn of the device as the person holding it sees it: clockwise from portrait is
// landscape-right (home button on the left). Face up, face down and unknown count as portrait.
UIDeviceOrientation quarterTurn(UIDeviceOrientation from, RotationDirection direction);
