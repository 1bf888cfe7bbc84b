#pragma once

#include <memory>

#include "platform/runtime/RuntimeTypes.h"

// Declares the members that tie a C++ class to its runtime class object. Place it at the top of the
// class body; it leaves the access at public. The class defines `classObject()` in its source file
// with `defineClass`.
#define RUNTIME_CLASS(ClassName)         \
public:                                  \
    static Class classObject();          \
    Class objectClass() const override { \
        return classObject();            \
    }

// Root of every object the runtime can name, message and hook. Always owned by std::shared_ptr.
class NSObject : public std::enable_shared_from_this<NSObject> {
public:
    static Class classObject();
    virtual Class objectClass() const { return classObject(); }

    NSObject() = default;
    NSObject(const NSObject&) = delete;
    NSObject& operator=(const NSObject&) = delete;
    virtual ~NSObject() = default;

    virtual bool respondsToSelector(SEL selector) const;
    bool isKindOfClass(Class cls) const;
};
