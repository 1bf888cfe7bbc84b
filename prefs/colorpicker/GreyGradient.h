#pragma once

#include "platform/graphics/CGGradient.h"

// A two-stop gradient in the device grey space, from one white level and alpha to another.
CGGradientRef GreyGradient(CGFloat fromWhite, CGFloat fromAlpha, CGFloat toWhite, CGFloat toAlpha);
