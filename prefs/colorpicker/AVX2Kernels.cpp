// Built with -mavx2 -mfma -ffp-contract=off: SLEEF declares its AVX2 functions only for such
// builds, and fused multiply-adds would round differently from the scalar conversion that the
// stored bytes must match.
#include "prefs/colorpicker/AVX2Kernels.h"

#include <immintrin.h>
#include <sleef.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <numbers>

namespace {

constexpr size_t kLanes = 8;

template <size_t Inputs>
using Rows = std::array<const float*, Inputs>;

// Applies `group` (eight elements of each input → eight results of OutBytes bytes each) to whole
// groups, then once more to the tail copied into zero-padded buffers, so that the tail gets the
// same instructions as every other element.
template <size_t OutBytes, size_t Inputs, class Group>
void inGroupsOfEight(size_t count, Rows<Inputs> in, uint8_t* out, Group group) {
    size_t i = 0;
    for (; i + kLanes <= count; i += kLanes) {
        Rows<Inputs> at;
        for (size_t n = 0; n < Inputs; ++n)
            at[n] = in[n] + i;
        group(at, out + i * OutBytes);
    }
    if (i == count)
        return;
    alignas(32) float padded[Inputs][kLanes] = {};
    Rows<Inputs> tail;
    for (size_t n = 0; n < Inputs; ++n) {
        std::copy(in[n] + i, in[n] + count, padded[n]);
        tail[n] = padded[n];
    }
    alignas(32) uint8_t results[kLanes * OutBytes];
    group(tail, results);
    std::memcpy(out + i * OutBytes, results, (count - i) * OutBytes);
}

// Four components in 0…1 to bytes as the bitmap stores them: round(c × 255), halves away from
// zero (what std::round does; the vector round instruction would round halves to even).
__m128i storedBytes(__m256d component) {
    const __m256d scaled = _mm256_mul_pd(component, _mm256_set1_pd(255));
    const __m256d whole = _mm256_round_pd(scaled, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
    const __m256d roundsUp =
        _mm256_cmp_pd(_mm256_sub_pd(scaled, whole), _mm256_set1_pd(0.5), _CMP_GE_OQ);
    return _mm256_cvttpd_epi32(_mm256_add_pd(whole, _mm256_and_pd(roundsUp, _mm256_set1_pd(1))));
}

__m256d select(__m256d mask, __m256d ifTrue, __m256d ifFalse) {
    return _mm256_blendv_pd(ifFalse, ifTrue, mask);
}

// Four wheel pixels, as StoreWheelPixelsScalar computes them: the same double-precision steps in
// the same order, so the same bytes. Gives them as 32-bit words whose little-endian bytes are
// alpha, red, green, blue.
__m128i wheelPixels(__m128 angle, __m128 distance, __m256d radius, bool saturateAll) {
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
    // Brightness is 1, so v·(…) is the bracket itself.
    const __m256d v = one;
    const __m256d p = _mm256_sub_pd(one, s);
    const __m256d q = _mm256_sub_pd(one, _mm256_mul_pd(s, f));
    const __m256d t = _mm256_sub_pd(one, _mm256_mul_pd(s, _mm256_sub_pd(one, f)));

    __m256d in[5];
    for (int n = 0; n < 5; ++n)
        in[n] = _mm256_cmp_pd(sector, _mm256_set1_pd(n), _CMP_EQ_OQ);
    // Sectors 0…4 by hue; anything else (5) is v, p, q.
    const __m256d red =
        select(in[0], v, select(in[1], q, select(in[2], p, select(in[3], p, select(in[4], t, v)))));
    const __m256d green =
        select(in[0], t, select(in[1], v, select(in[2], v, select(in[3], q, select(in[4], p, p)))));
    const __m256d blue =
        select(in[0], p, select(in[1], p, select(in[2], t, select(in[3], v, select(in[4], v, q)))));

    return _mm_or_si128(_mm_or_si128(_mm_set1_epi32(0xFF), _mm_slli_epi32(storedBytes(red), 8)),
                        _mm_or_si128(_mm_slli_epi32(storedBytes(green), 16),
                                     _mm_slli_epi32(storedBytes(blue), 24)));
}

}  // namespace

void atan2fAVX2(float* z, const float* y, const float* x, size_t count) {
    inGroupsOfEight<sizeof(float)>(
        count, Rows<2>{y, x}, reinterpret_cast<uint8_t*>(z), [](const Rows<2>& in, uint8_t* out) {
            _mm256_storeu_ps(reinterpret_cast<float*>(out),
                             Sleef_atan2f8_u10avx2(_mm256_loadu_ps(in[0]), _mm256_loadu_ps(in[1])));
        });
}

void distanceAVX2(const float* a, const float* b, float* c, size_t count) {
    inGroupsOfEight<sizeof(float)>(
        count, Rows<2>{a, b}, reinterpret_cast<uint8_t*>(c), [](const Rows<2>& in, uint8_t* out) {
            const __m256 x = _mm256_loadu_ps(in[0]), y = _mm256_loadu_ps(in[1]);
            _mm256_storeu_ps(
                reinterpret_cast<float*>(out),
                _mm256_sqrt_ps(_mm256_add_ps(_mm256_mul_ps(x, x), _mm256_mul_ps(y, y))));
        });
}

void storeWheelPixelsAVX2(const float* angle, const float* distance, size_t count,
                          double usableRadius, uint8_t* argb) {
    const __m256d radius = _mm256_set1_pd(usableRadius);
    const bool saturateAll = usableRadius == 0;
    inGroupsOfEight<4>(count, Rows<2>{angle, distance}, argb, [&](const Rows<2>& in, uint8_t* out) {
        const __m256 angles = _mm256_loadu_ps(in[0]), distances = _mm256_loadu_ps(in[1]);
        auto* words = reinterpret_cast<__m128i*>(out);
        _mm_storeu_si128(
            words, wheelPixels(_mm256_castps256_ps128(angles), _mm256_castps256_ps128(distances),
                               radius, saturateAll));
        _mm_storeu_si128(words + 1,
                         wheelPixels(_mm256_extractf128_ps(angles, 1),
                                     _mm256_extractf128_ps(distances, 1), radius, saturateAll));
    });
}
