#pragma once

#include <concepts>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <typeinfo>

#include "platform/runtime/NSObject.h"
#include "platform/runtime/RuntimeClass.h"

// The object runtime's lookups, in the platform's names.
Class objc_getClass(std::string_view name);
Class object_getClass(const NSObject* object);
const char* class_getName(Class cls);
Class class_getSuperclass(Class cls);
bool class_respondsToSelector(Class cls, SEL selector);
Ivar class_getInstanceVariable(Class cls, std::string_view name);
// The ivar's current value; null when the object is not of the ivar's class.
std::shared_ptr<NSObject> object_getIvar(const NSObject* object, Ivar ivar);
// A new instance made by the class's factory; null for a class that has none.
std::shared_ptr<NSObject> class_createInstance(Class cls);

// Registers a class. `T` is default-constructible for classes that can be created by name.
// `setup` fills the method and ivar tables before anyone can find the class.
Class registerClass(std::string name, Class superclass, RuntimeClass::Factory factory,
                    const std::function<void(RuntimeClass&)>& setup);

template <class T>
Class defineClass(std::string name, Class superclass,
                  const std::function<void(RuntimeClass&)>& setup = {}) {
    RuntimeClass::Factory factory;
    if constexpr (std::default_initializable<T> && !std::is_abstract_v<T>) {
        factory = [] { return std::shared_ptr<NSObject>(std::make_shared<T>()); };
    }
    return registerClass(std::move(name), superclass, std::move(factory), setup);
}

namespace runtime_detail {
// The implementation for `selector` in the receiver's class chain, checked against `signature`.
// Throws std::invalid_argument for an unrecognised selector and std::logic_error for a signature
// that does not match the registered one.
IMP implementationFor(const NSObject& receiver, SEL selector, const std::type_info& signature);
}  // namespace runtime_detail

template <class Signature>
struct MessageSend;

template <class R, class... Args>
struct MessageSend<R(Args...)> {
    using Implementation = R (*)(id, SEL, Args...);
    static R send(NSObject* receiver, SEL selector, Args... args) {
        if (receiver == nullptr) {
            if constexpr (std::is_void_v<R>) {
                return;
            } else {
                return R{};
            }
        }
        IMP imp = runtime_detail::implementationFor(*receiver, selector, typeid(Implementation));
        return reinterpret_cast<Implementation>(imp)(receiver, selector,
                                                     std::forward<Args>(args)...);
    }
};

// Sends a message through the runtime: `msgSend<void(double)>(view, "setAlpha:", 0.5)`.
template <class Signature, class... Args>
decltype(auto) msgSend(NSObject* receiver, SEL selector, Args&&... args) {
    return MessageSend<Signature>::send(receiver, selector, std::forward<Args>(args)...);
}

namespace runtime_detail {
// The class method for `selector` of `cls` or its superclasses, checked as above.
IMP classImplementationFor(Class cls, SEL selector, const std::type_info& signature);
}  // namespace runtime_detail

template <class Signature>
struct ClassMessageSend;

template <class R, class... Args>
struct ClassMessageSend<R(Args...)> {
    using Implementation = R (*)(Class, SEL, Args...);
    static R send(Class receiver, SEL selector, Args... args) {
        if (receiver == nullptr) {
            if constexpr (std::is_void_v<R>) {
                return;
            } else {
                return R{};
            }
        }
        IMP imp =
            runtime_detail::classImplementationFor(receiver, selector, typeid(Implementation));
        return reinterpret_cast<Implementation>(imp)(receiver, selector,
                                                     std::forward<Args>(args)...);
    }
};

// Sends a message to a class: `msgSendClass<bool()>(objc_getClass("CVResources"),
// "lockScreenEnabled")`. A null class answers a zero value.
template <class Signature, class... Args>
decltype(auto) msgSendClass(Class receiver, SEL selector, Args&&... args) {
    return ClassMessageSend<Signature>::send(receiver, selector, std::forward<Args>(args)...);
}

bool class_respondsToClassSelector(Class cls, SEL selector);

namespace runtime_detail {
bool hookMessage(Class cls, SEL selector, RuntimeMethod replacement, IMP* previous);
}  // namespace runtime_detail

// MobileSubstrate's hook: puts `replacement` into `cls`'s table for `selector` and stores the
// implementation that was in force (the class's own or the inherited one) in `*previous`. A null
// class is ignored; a selector the class cannot answer is logged and leaves `*previous` untouched.
template <class R, class... Args>
void MSHookMessageEx(Class cls, SEL selector, R (*replacement)(id, SEL, Args...),
                     R (**previous)(id, SEL, Args...)) {
    IMP before = nullptr;
    if (runtime_detail::hookMessage(
            cls, selector, RuntimeMethod{reinterpret_cast<IMP>(replacement), &typeid(replacement)},
            &before) &&
        previous != nullptr) {
        *previous = reinterpret_cast<R (*)(id, SEL, Args...)>(before);
    }
}
