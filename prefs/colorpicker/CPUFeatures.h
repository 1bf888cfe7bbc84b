#pragma once

// Whether this CPU runs the AVX2 kernels (AVX2 and FMA). Kept out of the kernels' own source file:
// that file is built for AVX2 throughout, so nothing in it may run before the check.
bool CPUSupportsAVX2Kernels();
