#include "prefs/colorpicker/GreyGradient.h"

#include "platform/graphics/CGColorSpace.h"

CGGradientRef GreyGradient(CGFloat fromWhite, CGFloat fromAlpha, CGFloat toWhite, CGFloat toAlpha) {
    const CGFloat components[] = {fromWhite, fromAlpha, toWhite, toAlpha};
    const CGFloat locations[] = {0, 1};
    return CGGradientCreateWithColorComponents(CGColorSpaceCreateDeviceGray(), components,
                                               locations, 2);
}
