#include "prefs/colorpicker/CPUFeatures.h"

bool CPUSupportsAVX2Kernels() {
    static const bool supported = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    return supported;
}
