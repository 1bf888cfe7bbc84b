#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/graphics/CGImage.h"

// PNG files to and from images, through Cairo's PNG support. Unreadable or corrupt input gives
// null, never a partial image.
class PNGCodec {
  public:
    static CGImageRef decode(std::span<const uint8_t> bytes);
    static CGImageRef readFile(const std::string& path);
    static std::optional<std::vector<uint8_t>> encode(const CGImage& image);
    static bool writeFile(const CGImage& image, const std::string& path);
};
