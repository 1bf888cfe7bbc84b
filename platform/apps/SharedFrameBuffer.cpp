#include "platform/apps/SharedFrameBuffer.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

std::runtime_error failure(const char* what) {
    return std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

}  // namespace

SharedFrameBuffer::SharedFrameBuffer(size_t pixelWidth, size_t pixelHeight)
    : descriptor_(memfd_create("frame-buffer", MFD_CLOEXEC)),
      width_(pixelWidth),
      height_(pixelHeight) {
    if (descriptor_ < 0) throw failure("can't make a frame buffer");
    if (ftruncate(descriptor_, static_cast<off_t>(width_ * height_ * sizeof(std::uint32_t))) != 0) {
        const auto error = failure("can't size the frame buffer");
        close(descriptor_);
        throw error;
    }
    map();
}

SharedFrameBuffer::SharedFrameBuffer(int descriptor, size_t pixelWidth, size_t pixelHeight)
    : descriptor_(descriptor), width_(pixelWidth), height_(pixelHeight) {
    struct stat status {};
    if (fstat(descriptor_, &status) != 0 ||
        static_cast<size_t>(status.st_size) < width_ * height_ * sizeof(std::uint32_t)) {
        close(descriptor_);
        throw std::runtime_error("the frame buffer is missing or smaller than the screen");
    }
    map();
}

void SharedFrameBuffer::map() {
    void* memory = mmap(nullptr, width_ * height_ * sizeof(std::uint32_t), PROT_READ | PROT_WRITE,
                        MAP_SHARED, descriptor_, 0);
    if (memory == MAP_FAILED) {
        const auto error = failure("can't map the frame buffer");
        close(descriptor_);
        throw error;
    }
    pixels_ = static_cast<std::uint32_t*>(memory);
}

SharedFrameBuffer::~SharedFrameBuffer() {
    munmap(pixels_, width_ * height_ * sizeof(std::uint32_t));
    close(descriptor_);
}
