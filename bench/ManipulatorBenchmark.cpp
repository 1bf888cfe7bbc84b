// Whole-image operations of the bitmap toolkit on a 2048 × 2048 image, each side by side with
// the same transform done directly with pixman on the same A,R,G,B bytes: one composite into a
// fresh A,R,G,B buffer of the same size, with no snapshot, coverage mask or context in between.
// Making the input rep and freeing results happen outside the timed part for both. A rep made
// from an image starts with that image as its snapshot; after a pixel change the operation must
// first take a new snapshot of the whole bitmap, so both cases are measured.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <numbers>
#include <vector>

#include "platform/graphics/UIImage.h"
#include "prefs/bitmap/ImageBitmapRep.h"

namespace {

constexpr int kSide = 2048;
constexpr double kDegrees = 45;
constexpr BMPoint kFrame{1024, 768};
constexpr CGRect kEllipse{{256, 256}, {1536, 1536}};

// A soft colour field with an alpha ramp, so that nothing can take an opaque shortcut.
const std::shared_ptr<UIImage>& sourceImage() {
    static const std::shared_ptr<UIImage> image = [] {
        const auto rep = ImageBitmapRep::initWithSize({kSide, kSide});
        for (int64_t y = 0; y < kSide; ++y) {
            for (int64_t x = 0; x < kSide; ++x) {
                const double u = static_cast<double>(x) / kSide, v = static_cast<double>(y) / kSide;
                rep->setPixel_atPoint(BMPixelMake(u, v, 1 - u * v, 0.5 + 0.5 * u), {x, y});
            }
        }
        return rep->image();
    }();
    return image;
}

struct FreeDeleter {
    void operator()(void* memory) const { std::free(memory); }
};
using Buffer = std::unique_ptr<uint32_t, FreeDeleter>;

struct PixmanDeleter {
    void operator()(pixman_image_t* image) const { pixman_image_unref(image); }
};
using PixmanImage = std::unique_ptr<pixman_image_t, PixmanDeleter>;

PixmanImage argbImage(int width, int height, uint32_t* bits) {
    return PixmanImage(pixman_image_create_bits(PIXMAN_b8g8r8a8, width, height, bits, width * 4));
}

// How the pixman side reads the source: straight from the A,R,G,B bytes, or from a copy in
// pixman's native layout made first (in the timed part), which its filters fetch fastest.
enum class Source { Argb, NativeCopy };

// The pixman side: the source rep's bytes, a zeroed destination, and `work` run on both.
template <class Work>
void runPixman(benchmark::State& state, int width, int height, Source source, Work work) {
    const auto rep = ImageBitmapRep::initWithImage(sourceImage());
    const PixmanImage argb =
        argbImage(kSide, kSide, static_cast<uint32_t*>(CGBitmapContextGetData(rep->context())));
    Buffer result, copy;
    for (auto _ : state) {
        state.PauseTiming();
        result.reset();
        copy.reset();
        state.ResumeTiming();
        PixmanImage native;
        if (source == Source::NativeCopy) {
            copy.reset(static_cast<uint32_t*>(std::malloc(size_t{kSide} * kSide * 4)));
            native.reset(
                pixman_image_create_bits(PIXMAN_a8r8g8b8, kSide, kSide, copy.get(), kSide * 4));
            pixman_image_composite32(PIXMAN_OP_SRC, argb.get(), nullptr, native.get(), 0, 0, 0, 0,
                                     0, 0, kSide, kSide);
        }
        result.reset(static_cast<uint32_t*>(std::calloc(static_cast<size_t>(width) * height, 4)));
        const PixmanImage dst = argbImage(width, height, result.get());
        work(native ? native.get() : argb.get(), dst.get());
    }
}

enum class Snapshot { FromImage, AfterPixelChange };

// The toolkit side: a fresh rep of the source image for each run.
template <class Work>
void runToolkit(benchmark::State& state, Snapshot snapshot, Work work) {
    std::shared_ptr<ImageBitmapRep> rep;
    for (auto _ : state) {
        state.PauseTiming();
        rep = ImageBitmapRep::initWithImage(sourceImage());
        if (snapshot == Snapshot::AfterPixelChange)
            rep->setPixel_atPoint(BMPixelMake(1, 1, 1, 1), {0, 0});
        state.ResumeTiming();
        work(*rep);
    }
}

void setTransform(pixman_image_t* image, const pixman_f_transform& destinationToSource) {
    pixman_transform fixed;
    pixman_transform_from_pixman_f_transform(&fixed, &destinationToSource);
    pixman_image_set_transform(image, &fixed);
    pixman_image_set_filter(image, PIXMAN_FILTER_BILINEAR, nullptr, 0);
}

void Rotate(benchmark::State& state, Snapshot snapshot) {
    runToolkit(state, snapshot, [](ImageBitmapRep& rep) { rep.rotate(kDegrees); });
}

void PixmanRotate(benchmark::State& state, Source source) {
    const int side = static_cast<int>(std::lround(kSide * std::numbers::sqrt2));
    runPixman(state, side, side, source, [side](pixman_image_t* src, pixman_image_t* dst) {
        // Destination pixel → source pixel: about the centres, turned back. Rows run down, so a
        // counter-clockwise turn on screen is a negative angle here.
        const double angle = kDegrees * std::numbers::pi / 180;
        pixman_f_transform t;
        pixman_f_transform_init_translate(&t, -side / 2.0, -side / 2.0);
        pixman_f_transform_rotate(&t, nullptr, std::cos(angle), std::sin(angle));
        pixman_f_transform_translate(&t, nullptr, kSide / 2.0, kSide / 2.0);
        setTransform(src, t);
        pixman_image_composite32(PIXMAN_OP_SRC, src, nullptr, dst, 0, 0, 0, 0, 0, 0, side, side);
    });
}

void FitFrame(benchmark::State& state, Snapshot snapshot) {
    runToolkit(state, snapshot, [](ImageBitmapRep& rep) { rep.setSizeFittingFrame(kFrame); });
}

void PixmanFitFrame(benchmark::State& state, Source source) {
    const int width = static_cast<int>(kFrame.x), height = static_cast<int>(kFrame.y);
    runPixman(
        state, width, height, source, [width, height](pixman_image_t* src, pixman_image_t* dst) {
            const double scale =
                std::min(static_cast<double>(width) / kSide, static_cast<double>(height) / kSide);
            const int drawn = static_cast<int>(kSide * scale), left = (width - drawn) / 2,
                      top = (height - drawn) / 2;
            pixman_f_transform t;
            pixman_f_transform_init_scale(&t, 1 / scale, 1 / scale);
            setTransform(src, t);
            pixman_image_composite32(PIXMAN_OP_SRC, src, nullptr, dst, 0, 0, 0, 0, left, top, drawn,
                                     drawn);
        });
}

void CropEllipse(benchmark::State& state, Snapshot snapshot) {
    runToolkit(state, snapshot, [](ImageBitmapRep& rep) { rep.cropTopEllipse(kEllipse); });
}

// One trapezoid a row between the ellipse's chords at the row's top and bottom edges.
std::vector<pixman_trapezoid_t> ellipseRows(double width, double height) {
    const double a = width / 2, b = height / 2;
    const auto halfChord = [a, b](double y) {
        const double v = (y - b) / b;
        return a * std::sqrt(std::max(0.0, 1 - v * v));
    };
    std::vector<pixman_trapezoid_t> rows;
    for (int y = 0; y < static_cast<int>(height); ++y) {
        const double top = halfChord(y), bottom = halfChord(y + 1);
        const auto point = [](double px, double py) {
            return pixman_point_fixed_t{pixman_double_to_fixed(px), pixman_double_to_fixed(py)};
        };
        rows.push_back({pixman_int_to_fixed(y),
                        pixman_int_to_fixed(y + 1),
                        {point(a - top, y), point(a - bottom, y + 1)},
                        {point(a + top, y), point(a + bottom, y + 1)}});
    }
    return rows;
}

void PixmanCropEllipse(benchmark::State& state) {
    const int width = static_cast<int>(kEllipse.size.width),
              height = static_cast<int>(kEllipse.size.height);
    const std::vector<pixman_trapezoid_t> rows = ellipseRows(width, height);
    runPixman(state, width, height, Source::Argb,
              [&rows](pixman_image_t* src, pixman_image_t* dst) {
                  pixman_composite_trapezoids(PIXMAN_OP_SRC, src, dst, PIXMAN_a8,
                                              static_cast<int>(kEllipse.origin.x),
                                              static_cast<int>(kEllipse.origin.y), 0, 0,
                                              static_cast<int>(rows.size()), rows.data());
              });
}

BENCHMARK_CAPTURE(Rotate, from_image, Snapshot::FromImage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rotate, after_pixel_change, Snapshot::AfterPixelChange)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PixmanRotate, argb_source, Source::Argb)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PixmanRotate, native_copy, Source::NativeCopy)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FitFrame, from_image, Snapshot::FromImage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FitFrame, after_pixel_change, Snapshot::AfterPixelChange)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PixmanFitFrame, argb_source, Source::Argb)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PixmanFitFrame, native_copy, Source::NativeCopy)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CropEllipse, from_image, Snapshot::FromImage)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CropEllipse, after_pixel_change, Snapshot::AfterPixelChange)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(PixmanCropEllipse)->Unit(benchmark::kMillisecond);

}  // namespace
