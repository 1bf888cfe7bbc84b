#pragma once

#include <cstddef>
#include <cstdint>

// Colours a run of wheel pixels from each one's angle about the centre (radians, as atan2 gives)
// and distance from it (pixels): hue from the angle, counter-clockwise from red; saturation from
// the distance over the usable radius, capped at 1 (a radius of 0 or less saturates everything);
// full brightness, opaque. Writes the four bytes per pixel that the bitmap stores for that colour
// (alpha, red, green, blue), exactly as setPixel:atPoint: would.
void StoreWheelPixels(const float* angle, const float* distance, size_t count, double usableRadius,
                      uint8_t* argb);
// One pixel at a time: the path for CPUs without AVX2, and the reference for the vector one.
void StoreWheelPixelsScalar(const float* angle, const float* distance, size_t count,
                            double usableRadius, uint8_t* argb);
// Copies `count` pixels as StoreWheelPixels writes them with their green and blue exchanged:
// the colours of the hues mirrored about red.
void CopyExchangingGreenAndBlue(const uint8_t* argb, size_t count, uint8_t* mirrored);
