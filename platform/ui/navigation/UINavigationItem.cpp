#include "platform/ui/navigation/UINavigationItem.h"

#include "platform/runtime/Runtime.h"
#include "platform/ui/navigation/UINavigationBar.h"

Class UINavigationItem::classObject() {
    static const Class cls =
        defineClass<UINavigationItem>("UINavigationItem", NSObject::classObject());
    return cls;
}

void UINavigationItem::setTitle(std::string title) {
    title_ = std::move(title);
    if (auto bar = bar_.lock()) bar->setNeedsLayout();
}
