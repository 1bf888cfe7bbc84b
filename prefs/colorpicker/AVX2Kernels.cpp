// Built with -mavx2 -mfma -ffp-contract=off: SLEEF declares its AVX2 functions only for such
// builds, and fused multiply-adds would round differently from the scalar conversion that the
// stored bytes must match. Everything here has internal linkage or is one of the kernels: an
// inline library template instantiated here would be AVX2 code that other files might link to.
#include "prefs/colorpicker/AVX2Kernels.h"

#include <immintrin.h>
#include <sleef.h>

#include <cstdint>
#include <cstring>
#include <numbers>

namespace {

constexpr size_t kLanes = 8;

template <size_t Inputs>
struct Rows {
    const float* row[Inputs];
};

// Applies `group` (eight elements of each input → eight results of OutBytes bytes each) to whole
// groups, then once more to the tail copied into zero-padded buffers, so that the tail gets the
// same instructions as every other element.
template <size_t OutBytes, size_t Inputs, class Group>
void inGroupsOfEight(size_t count, Rows<Inputs> in, uint8_t* out, Group group) {
    size_t i = 0;
    for (; i + kLanes <= count; i += kLanes) {
        Rows<Inputs> at;
        for (size_t n = 0; n < Inputs; ++n) at.row[n] = in.row[n] + i;
        group(at, out + i * OutBytes);
    }
    if (i == count) return;
    alignas(32) float padded[Inputs][kLanes] = {};
    Rows<Inputs> tail;
    for (size_t n = 0; n < Inputs; ++n) {
        std::memcpy(padded[n], in.row[n] + i, (count - i) * sizeof(float));
        tail.row[n] = padded[n];
    }
    alignas(32) uint8_t results[kLanes * OutBytes];
    group(tail, results);
    std::memcpy(out + i * OutBytes, results, (count - i) * OutBytes);
}

// Four components in 0…1 to bytes as the bitmap stores them: round(c × 255), halves away from
// zero. Adding the largest double below one half and truncating does exactly that for 0…255;
// adding one half would round 0.49999999999999994 up, and the vector round instruction rounds
// halves to even.
__m128i storedBytes(__m256d component) {
    const __m256d justBelowHalf = _mm256_set1_pd(0x1.fffffffffffffp-2);
    return _mm256_cvttpd_epi32(
        _mm256_add_pd(_mm256_mul_pd(component, _mm256_set1_pd(255)), justBelowHalf));
}

__m256d select(__m256d mask, __m256d ifTrue, __m256d ifFalse) {
    return _mm256_blendv_pd(ifFalse, ifTrue, mask);
}

// Which candidate byte (p 0, q 1, t 2, v 3) goes to alpha, red, green and blue, by hue sector;
// sectors past 5 never occur and read as 5.
constexpr uint32_t pick(uint8_t red, uint8_t green, uint8_t blue) {
    return 3u | uint32_t{red} << 8 | uint32_t{green} << 16 | uint32_t{blue} << 24;
}
// A plain array, not a vector constant: a vector initialised at start-up would run AVX2 code on
// CPUs that lack it.
alignas(32) constexpr uint32_t kSectorPicks[8] = {pick(3, 2, 0), pick(1, 3, 0), pick(0, 3, 2),
                                                  pick(0, 1, 3), pick(2, 0, 3), pick(3, 0, 1),
                                                  pick(3, 0, 1), pick(3, 0, 1)};

// Four wheel pixels, as StoreWheelPixelsScalar computes them: the same double-precision steps in
// the same order, so the same bytes. Each pixel's colour is v, p, q or t per component, so the
// four are turned into bytes once and a per-pixel byte shuffle picks them by sector. Gives 32-bit
// words whose little-endian bytes are alpha, red, green, blue.
[[gnu::always_inline]] inline __m128i wheelPixels(__m128 angle, __m128 distance, __m256d radius,
                                                  bool saturateAll) {
    const __m256d zero = _mm256_setzero_pd(), one = _mm256_set1_pd(1);
    const __m256d twoPi = _mm256_set1_pd(2 * std::numbers::pi);

    __m256d a = _mm256_cvtps_pd(angle);
    a = select(_mm256_cmp_pd(a, zero, _CMP_LT_OQ), _mm256_add_pd(a, twoPi), a);
    const __m256d hue = _mm256_div_pd(a, twoPi);
    const __m256d s =
        saturateAll ? one : _mm256_div_pd(_mm256_min_pd(_mm256_cvtps_pd(distance), radius), radius);

    const __m256d h6 =
        select(_mm256_cmp_pd(hue, one, _CMP_EQ_OQ), zero, _mm256_mul_pd(hue, _mm256_set1_pd(6)));
    const __m256d sector = _mm256_round_pd(h6, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
    const __m256d f = _mm256_sub_pd(h6, sector);
    // Brightness is 1, so v is 1 (byte 255) and v·(…) is the bracket itself.
    const __m256d p = _mm256_sub_pd(one, s);
    const __m256d q = _mm256_sub_pd(one, _mm256_mul_pd(s, f));
    const __m256d t = _mm256_sub_pd(one, _mm256_mul_pd(s, _mm256_sub_pd(one, f)));
    const __m128i candidates =
        _mm_or_si128(_mm_or_si128(storedBytes(p), _mm_slli_epi32(storedBytes(q), 8)),
                     _mm_or_si128(_mm_slli_epi32(storedBytes(t), 16), _mm_set1_epi32(0xFF << 24)));

    const __m128i picks = _mm256_castsi256_si128(_mm256_permutevar8x32_epi32(
        _mm256_load_si256(reinterpret_cast<const __m256i*>(kSectorPicks)),
        _mm256_castsi128_si256(_mm256_cvttpd_epi32(sector))));
    // Each pixel shuffles within its own four bytes.
    const __m128i fromOwnWord = _mm_setr_epi32(0, 0x04040404, 0x08080808, 0x0C0C0C0C);
    return _mm_shuffle_epi8(candidates, _mm_add_epi32(picks, fromOwnWord));
}

}  // namespace

[[gnu::flatten]] void atan2fAVX2(float* z, const float* y, const float* x, size_t count) {
    inGroupsOfEight<sizeof(float)>(
        count, Rows<2>{y, x}, reinterpret_cast<uint8_t*>(z), [](const Rows<2>& in, uint8_t* out) {
            _mm256_storeu_ps(
                reinterpret_cast<float*>(out),
                Sleef_atan2f8_u10avx2(_mm256_loadu_ps(in.row[0]), _mm256_loadu_ps(in.row[1])));
        });
}

[[gnu::flatten]] void distanceAVX2(const float* a, const float* b, float* c, size_t count) {
    inGroupsOfEight<sizeof(float)>(
        count, Rows<2>{a, b}, reinterpret_cast<uint8_t*>(c), [](const Rows<2>& in, uint8_t* out) {
            const __m256 x = _mm256_loadu_ps(in.row[0]), y = _mm256_loadu_ps(in.row[1]);
            _mm256_storeu_ps(
                reinterpret_cast<float*>(out),
                _mm256_sqrt_ps(_mm256_add_ps(_mm256_mul_ps(x, x), _mm256_mul_ps(y, y))));
        });
}

[[gnu::flatten]] void storeWheelPixelsAVX2(const float* angle, const float* distance, size_t count,
                                           double usableRadius, uint8_t* argb) {
    const __m256d radius = _mm256_set1_pd(usableRadius);
    const bool saturateAll = usableRadius == 0;
    inGroupsOfEight<4>(count, Rows<2>{angle, distance}, argb, [&](const Rows<2>& in, uint8_t* out) {
        const __m256 angles = _mm256_loadu_ps(in.row[0]), distances = _mm256_loadu_ps(in.row[1]);
        auto* words = reinterpret_cast<__m128i*>(out);
        _mm_storeu_si128(
            words, wheelPixels(_mm256_castps256_ps128(angles), _mm256_castps256_ps128(distances),
                               radius, saturateAll));
        _mm_storeu_si128(words + 1,
                         wheelPixels(_mm256_extractf128_ps(angles, 1),
                                     _mm256_extractf128_ps(distances, 1), radius, saturateAll));
    });
}
