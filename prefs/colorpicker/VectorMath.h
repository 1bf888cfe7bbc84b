#pragma once

#include <cstddef>

// Stand-ins for the platform's vector maths library (vForce's vvatan2f, vDSP's vDSP_vdist), in
// single precision over SLEEF. On CPUs with AVX2 and FMA they run eight lanes at a time, elsewhere
// one value at a time; the two paths agree to within one unit in the last place.

using vDSP_Stride = long;
using vDSP_Length = unsigned long;

// z[i] = atan2(y[i], x[i]) for i < *n, at most 1 ulp from the exact angle.
void vvatan2f(float* z, const float* y, const float* x, const int* n);
// C[i·IC] = √(A[i·IA]² + B[i·IB]²) for i < N.
void vDSP_vdist(const float* A, vDSP_Stride IA, const float* B, vDSP_Stride IB, float* C,
                vDSP_Stride IC, vDSP_Length N);
