#pragma once

#include <cstddef>
#include <cstdint>

// The vector maths and the wheel's pixel conversion, eight lanes at a time. Built with AVX2 and
// FMA: call them only where CPUSupportsAVX2Kernels(). A short tail goes through the same lanes,
// padded, so every element gets the same arithmetic wherever it sits.

void atan2fAVX2(float* z, const float* y, const float* x, size_t count);
void distanceAVX2(const float* a, const float* b, float* c, size_t count);
// As StoreWheelPixels, with the same bytes.
void storeWheelPixelsAVX2(const float* angle, const float* distance, size_t count,
                          double usableRadius, uint8_t* argb);
