#include "platform/runtime/Runtime.h"

#include <map>
#include <stdexcept>

#include "platform/runtime/RuntimeLock.h"
#include "platform/runtime/RuntimeReport.h"

std::shared_mutex& runtimeLock() {
    static std::shared_mutex lock;
    return lock;
}

namespace {

std::map<std::string, std::unique_ptr<RuntimeClass>, std::less<>>& classRegistry() {
    static std::map<std::string, std::unique_ptr<RuntimeClass>, std::less<>> registry;
    return registry;
}

std::string methodDescription(const NSObject& receiver, SEL selector) {
    return std::string("-[") + class_getName(receiver.objectClass()) + " " + selector + "]";
}

}  // namespace

Class registerClass(std::string name, Class superclass, RuntimeClass::Factory factory,
                    const std::function<void(RuntimeClass&)>& setup) {
    auto cls = std::make_unique<RuntimeClass>(name, superclass, std::move(factory));
    if (setup) setup(*cls);
    std::unique_lock lock(runtimeLock());
    auto [it, inserted] = classRegistry().try_emplace(std::move(name), std::move(cls));
    if (!inserted) throw std::logic_error("class " + it->first + " is already registered");
    return it->second.get();
}

Class objc_getClass(std::string_view name) {
    std::shared_lock lock(runtimeLock());
    auto it = classRegistry().find(name);
    return it == classRegistry().end() ? nullptr : it->second.get();
}

Class object_getClass(const NSObject* object) {
    return object != nullptr ? object->objectClass() : nullptr;
}

const char* class_getName(Class cls) {
    return cls != nullptr ? cls->name().c_str() : "nil";
}

Class class_getSuperclass(Class cls) {
    return cls != nullptr ? cls->superclass() : nullptr;
}

bool class_respondsToSelector(Class cls, SEL selector) {
    return cls != nullptr && selector != nullptr && cls->lookUpMethod(selector).has_value();
}

Ivar class_getInstanceVariable(Class cls, std::string_view name) {
    return cls != nullptr ? cls->lookUpIvar(name) : nullptr;
}

std::shared_ptr<NSObject> object_getIvar(const NSObject* object, Ivar ivar) {
    if (object == nullptr || ivar == nullptr || !object->isKindOfClass(ivar->owner)) return nullptr;
    return ivar->read(*object);
}

std::shared_ptr<NSObject> class_createInstance(Class cls) {
    return cls != nullptr ? cls->createInstance() : nullptr;
}

IMP runtime_detail::implementationFor(const NSObject& receiver, SEL selector,
                                      const std::type_info& signature) {
    std::optional<RuntimeMethod> method = receiver.objectClass()->lookUpMethod(selector);
    if (!method) {
        throw std::invalid_argument(methodDescription(receiver, selector) +
                                    ": unrecognized selector sent to instance");
    }
    if (*method->signature != signature) {
        throw std::logic_error(methodDescription(receiver, selector) +
                               " sent with a signature it was not registered with");
    }
    return method->imp;
}

IMP runtime_detail::classImplementationFor(Class cls, SEL selector,
                                           const std::type_info& signature) {
    std::optional<RuntimeMethod> method = cls->lookUpClassMethod(selector);
    const std::string description = std::string("+[") + cls->name() + " " + selector + "]";
    if (!method) throw std::invalid_argument(description + ": unrecognized selector sent to class");
    if (*method->signature != signature) {
        throw std::logic_error(description + " sent with a signature it was not registered with");
    }
    return method->imp;
}

bool class_respondsToClassSelector(Class cls, SEL selector) {
    return cls != nullptr && selector != nullptr && cls->lookUpClassMethod(selector).has_value();
}

bool runtime_detail::hookMessage(Class cls, SEL selector, RuntimeMethod replacement,
                                 IMP* previous) {
    if (cls == nullptr) return false;  // a class this system lacks: the request is ignored
    std::optional<RuntimeMethod> before = cls->lookUpMethod(selector);
    if (!before) {
        runtimeReport(std::string("MS:Error: message not found [") + cls->name() + " " + selector +
                      "]");
        return false;
    }
    if (*before->signature != *replacement.signature) {
        throw std::logic_error(std::string("hook of [") + cls->name() + " " + selector +
                               "] does not match the method's signature");
    }
    *previous = cls->replaceMethod(selector, replacement)->imp;
    return true;
}
