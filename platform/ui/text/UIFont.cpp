#include "platform/ui/text/UIFont.h"

#include "platform/runtime/Runtime.h"

Class UIFont::classObject() {
    static const Class cls = defineClass<UIFont>("UIFont", NSObject::classObject());
    return cls;
}

std::shared_ptr<UIFont> UIFont::systemFontOfSize(CGFloat size) {
    return std::make_shared<UIFont>(FontDescriptor{"Helvetica Neue", size, FontWeight::Regular});
}

std::shared_ptr<UIFont> UIFont::boldSystemFontOfSize(CGFloat size) {
    return std::make_shared<UIFont>(FontDescriptor{"Helvetica Neue", size, FontWeight::Bold});
}
