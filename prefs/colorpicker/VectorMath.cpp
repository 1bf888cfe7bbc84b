#include "prefs/colorpicker/VectorMath.h"

#include <sleef.h>

#include <cmath>

#include "prefs/colorpicker/AVX2Kernels.h"
#include "prefs/colorpicker/CPUFeatures.h"

void vvatan2f(float* z, const float* y, const float* x, const int* n) {
    const size_t count = *n > 0 ? static_cast<size_t>(*n) : 0;
    if (CPUSupportsAVX2Kernels()) {
        atan2fAVX2(z, y, x, count);
        return;
    }
    for (size_t i = 0; i < count; ++i) z[i] = Sleef_atan2f_u10(y[i], x[i]);
}

void vDSP_vdist(const float* A, vDSP_Stride IA, const float* B, vDSP_Stride IB, float* C,
                vDSP_Stride IC, vDSP_Length N) {
    if (IA == 1 && IB == 1 && IC == 1 && CPUSupportsAVX2Kernels()) {
        distanceAVX2(A, B, C, N);
        return;
    }
    for (vDSP_Length i = 0; i < N; ++i) {
        const auto ia = static_cast<vDSP_Stride>(i);
        const float a = A[ia * IA], b = B[ia * IB];
        C[ia * IC] = std::sqrt(a * a + b * b);
    }
}
