#include "prefs/bitmap/BMPoint.h"

#include <cmath>

BMPoint BMPointFromSize(CGSize size) {
    return {std::llround(size.width), std::llround(size.height)};
}

BMPoint BMPointFromPoint(CGPoint point) {
    return {std::llround(point.x), std::llround(point.y)};
}
