#include "platform/ui/views/UIScreen.h"

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

void UIScreen::configure(CGSize size, CGFloat scale) {
    bounds_ = {{0, 0}, size};
    scale_ = scale;
    UIGraphicsSetMainScreenScale(scale);
}
