#include "platform/graphics/FontDescriptor.h"

#include <algorithm>
#include <cmath>

CGFloat FontDescriptor::usablePointSize() const {
    if (std::isnan(pointSize))
        return kMinimumPointSize;
    return std::clamp(pointSize, kMinimumPointSize, kMaximumPointSize);
}
