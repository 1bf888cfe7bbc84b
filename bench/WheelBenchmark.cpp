// Rendering one colour wheel on the calling thread, as a wheel view waits for it: 600 pixels
// (300 points at scale 2) and 300 pixels (scale 1). The baseline is the same loop done the plain
// way: libm's atan2f and sqrtf over whole arrays, then every pixel through PixelFromHSV and the
// bitmap's checked setPixel:atPoint:, column by column.
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "prefs/bitmap/ImageBitmapRep.h"
#include "prefs/colorpicker/ColorFunctions.h"
#include "prefs/colorpicker/WheelGenerateOperation.h"

namespace {

constexpr double kPaddingPoints = 11;

double paddingFor(int64_t diameter) {
    return diameter >= 600 ? 2 * kPaddingPoints : kPaddingPoints;
}

std::shared_ptr<ImageBitmapRep> plainWheel(int64_t size, double padding) {
    const auto d = static_cast<double>(size);
    auto rep = ImageBitmapRep::initWithSize(BMPointMake(size, size));
    const double r = d * 0.5;
    const auto n = static_cast<size_t>(size * size);
    std::vector<float> x(n), y(n), angle(n), distance(n);
    for (int64_t i = 0; i < size; ++i) {
        for (int64_t j = 0; j < size; ++j) {
            const auto k = static_cast<size_t>(i * size + j);
            x[k] = static_cast<float>(static_cast<double>(i) - r);
            y[k] = static_cast<float>(r - static_cast<double>(j));
        }
    }
    for (size_t k = 0; k < n; ++k) {
        angle[k] = std::atan2(y[k], x[k]);
        distance[k] = std::sqrt(x[k] * x[k] + y[k] * y[k]);
    }
    const double usableRadius = r - padding;
    constexpr double kTwoPi = 2 * std::numbers::pi;
    for (int64_t i = 0; i < size; ++i) {
        for (int64_t j = 0; j < size; ++j) {
            const auto k = static_cast<size_t>(i * size + j);
            const double dist = std::min<double>(distance[k], usableRadius);
            double a = angle[k];
            if (a < 0)
                a += kTwoPi;
            rep->setPixel_atPoint(PixelFromHSV(a / kTwoPi, dist / usableRadius, 1.0), {i, j});
        }
    }
    return rep;
}

void BM_Wheel(benchmark::State& state) {
    const double diameter = static_cast<double>(state.range(0));
    for (auto _ : state) {
        WheelGenerateOperation operation(diameter, paddingFor(state.range(0)));
        operation.start();
        benchmark::DoNotOptimize(operation.bitmap());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
}

void BM_WheelPlainBaseline(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(plainWheel(state.range(0), paddingFor(state.range(0))));
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
}

}  // namespace

BENCHMARK(BM_Wheel)->Arg(600)->Arg(300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WheelPlainBaseline)->Arg(600)->Arg(300)->Unit(benchmark::kMillisecond);
