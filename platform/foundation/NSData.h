#pragma once

#include <cstdint>
#include <vector>

// The platform's byte buffer.
using NSData = std::vector<std::uint8_t>;
