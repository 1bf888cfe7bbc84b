#include "platform/ui/views/UIScreen.h"

#include <cmath>

#include "platform/graphics/UIGraphics.h"
#include "platform/runtime/Runtime.h"

Class UIScreen::classObject() {
    static const Class cls = defineClass<UIScreen>("UIScreen", NSObject::classObject());
    return cls;
}

UIScreen& UIScreen::mainScreen() {
    static std::shared_ptr<UIScreen> screen = std::make_shared<UIScreen>();
    return *screen;
}

size_t UIScreen::pixelWidth() const {
    return static_cast<size_t>(std::lround(bounds_.size.width * scale_));
}

size_t UIScreen::pixelHeight() const {
    return static_cast<size_t>(std::lround(bounds_.size.height * scale_));
}

void UIScreen::configure(CGSize size, CGFloat scale) {
    bounds_ = {{0, 0}, size};
    scale_ = scale;
    UIGraphicsSetMainScreenScale(scale);
}
