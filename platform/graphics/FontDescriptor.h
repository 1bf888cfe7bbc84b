#pragma once

#include <string>

#include "platform/graphics/CGGeometry.h"

enum class FontWeight { Regular, Bold };

// Which font text is set in: a fontconfig family name ("Helvetica Neue" is the system font), a
// size in points and a weight.
struct FontDescriptor {
    static constexpr CGFloat kMinimumPointSize = 1;
    static constexpr CGFloat kMaximumPointSize = 512;

    std::string family = "Helvetica Neue";
    CGFloat pointSize = 17;
    FontWeight weight = FontWeight::Regular;

    // The size actually used: sizes that are not finite, not positive or absurdly large are held
    // to 1…512 points instead of reaching the font machinery.
    CGFloat usablePointSize() const;
};
