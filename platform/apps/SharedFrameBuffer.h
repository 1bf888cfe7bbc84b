#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// A screen's pixels in memory two processes share (0xAARRGGBB words, rows top to bottom): an app
// draws its screen into it, SpringBoard reads it. The maker creates it; the other process maps
// the same file descriptor. Each side owns its mapping and descriptor.
class SharedFrameBuffer {
public:
    // New memory for a screen of this many pixels. Throws std::runtime_error.
    SharedFrameBuffer(size_t pixelWidth, size_t pixelHeight);
    // The memory behind `descriptor` (taken over), which must hold a screen of this many pixels.
    SharedFrameBuffer(int descriptor, size_t pixelWidth, size_t pixelHeight);
    ~SharedFrameBuffer();
    SharedFrameBuffer(const SharedFrameBuffer&) = delete;
    SharedFrameBuffer& operator=(const SharedFrameBuffer&) = delete;

    int descriptor() const { return descriptor_; }
    size_t pixelWidth() const { return width_; }
    size_t pixelHeight() const { return height_; }
    std::span<std::uint32_t> pixels() { return {pixels_, width_ * height_}; }
    std::span<const std::uint32_t> pixels() const { return {pixels_, width_ * height_}; }

private:
    void map();

    int descriptor_;
    size_t width_;
    size_t height_;
    std::uint32_t* pixels_ = nullptr;
};
