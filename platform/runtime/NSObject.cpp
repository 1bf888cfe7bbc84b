#include "platform/runtime/NSObject.h"

#include "platform/runtime/Runtime.h"

Class NSObject::classObject() {
    static const Class cls = defineClass<NSObject>("NSObject", nullptr);
    return cls;
}

bool NSObject::respondsToSelector(SEL selector) const {
    return class_respondsToSelector(objectClass(), selector);
}

bool NSObject::isKindOfClass(Class cls) const {
    for (Class c = objectClass(); c != nullptr; c = class_getSuperclass(c)) {
        if (c == cls) return true;
    }
    return false;
}
