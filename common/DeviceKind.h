#pragma once

class UIDevice;

// Both deliverables lay some things out for tablets: the device is a tablet when it answers
// userInterfaceIdiom and the idiom is the pad; a device that doesn't answer is a phone.
bool isTabletDevice(const UIDevice& device);
