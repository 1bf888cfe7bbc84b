#pragma once

#include <cstdint>

namespace detail {

// Approximates a Gaussian blur of standard deviation `sigma` on an 8-bit coverage buffer with
// three box passes per axis. Pixels outside the buffer count as 0, so callers leave a margin of
// `marginFor(sigma)` around what they blur.
class BoxBlur {
  public:
    static int marginFor(double sigma);
    static void apply(uint8_t* data, int width, int height, int stride, double sigma);
};

}  // namespace detail
