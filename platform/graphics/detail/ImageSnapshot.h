#pragma once

#include "platform/graphics/CGImage.h"
#include "platform/graphics/detail/LibraryHandles.h"

namespace detail {

// An image of the top-left `width` × `height` pixels of `source`, in the image layout.
CGImageRef snapshotImage(pixman_image_t* source, int width, int height, bool opaque);

}  // namespace detail
