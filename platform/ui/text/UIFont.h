#pragma once

#include <memory>

#include "platform/graphics/FontDescriptor.h"
#include "platform/runtime/NSObject.h"

// A font: the system font ("Helvetica Neue", a Helvetica-metric sans) or its bold face, at a size.
class UIFont : public NSObject {
    RUNTIME_CLASS(UIFont)
    explicit UIFont(FontDescriptor descriptor) : descriptor_(std::move(descriptor)) {}

    static std::shared_ptr<UIFont> systemFontOfSize(CGFloat size);
    static std::shared_ptr<UIFont> boldSystemFontOfSize(CGFloat size);

    CGFloat pointSize() const { return descriptor_.pointSize; }
    const FontDescriptor& descriptor() const { return descriptor_; }

private:
    FontDescriptor descriptor_;
};
