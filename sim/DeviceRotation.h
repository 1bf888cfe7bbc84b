#pragma once

#include "platform/ui/UIDevice.h"

enum class RotationDirection { Clockwise, Anticlockwise };

// Turns the simulated device. The status bar takes the matching interface orientation first
// (device landscape-left, home button on the right, is interface landscape-right, as on the
// platform), so that observers of UIDeviceOrientationDidChangeNotification, posted next, see both
// agree.
void rotateDevice(UIDeviceOrientation orientation);

// A quarter turn of the device as the person holding it sees it: clockwise from portrait is
// landscape-right (home button on the left). Face up, face down and unknown count as portrait.
UIDeviceOrientation quarterTurn(UIDeviceOrientation from, RotationDirection direction);
