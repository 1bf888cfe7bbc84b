#include "platform/graphics/detail/BoxBlur.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace detail {

namespace {

// Three boxes of width 2r+1 have variance 3·((2r+1)² − 1)/12 = r(r+1); pick r for sigma².
int boxRadius(double sigma) {
    if (!(sigma > 0))
        return 0;
    return std::max(1, static_cast<int>(std::lround((std::sqrt(4 * sigma * sigma + 1) - 1) / 2)));
}

// One box pass over `count` samples `step` apart, through a scratch line.
void boxPass(uint8_t* line, int count, int step, int radius, std::vector<uint8_t>& scratch) {
    scratch.resize(count);
    for (int i = 0; i < count; ++i)
        scratch[i] = line[i * step];
    const int window = 2 * radius + 1;
    int sum = 0;
    for (int i = 0; i < std::min(radius, count); ++i)
        sum += scratch[i];
    for (int i = 0; i < count; ++i) {
        if (i + radius < count)
            sum += scratch[i + radius];
        if (i - radius - 1 >= 0)
            sum -= scratch[i - radius - 1];
        line[i * step] = static_cast<uint8_t>((sum + window / 2) / window);
    }
}

}  // namespace

int BoxBlur::marginFor(double sigma) {
    return 3 * boxRadius(sigma) + 1;
}

void BoxBlur::apply(uint8_t* data, int width, int height, int stride, double sigma) {
    const int radius = boxRadius(sigma);
    if (radius == 0)
        return;
    std::vector<uint8_t> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y)
            boxPass(data + y * stride, width, 1, radius, scratch);
        for (int x = 0; x < width; ++x)
            boxPass(data + x, height, stride, radius, scratch);
    }
}

}  // namespace detail
