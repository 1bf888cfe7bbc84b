#include "platform/runtime/RuntimeClass.h"

#include "platform/runtime/RuntimeLock.h"

RuntimeClass::RuntimeClass(std::string name, Class superclass, Factory factory)
    : name_(std::move(name)), superclass_(superclass), factory_(std::move(factory)) {}

std::shared_ptr<NSObject> RuntimeClass::createInstance() const {
    return factory_ ? factory_() : nullptr;
}

std::optional<RuntimeMethod> RuntimeClass::lookUpMethod(std::string_view selector) const {
    std::shared_lock lock(runtimeLock());
    for (const RuntimeClass* cls = this; cls != nullptr; cls = cls->superclass_) {
        if (auto it = cls->methods_.find(selector); it != cls->methods_.end()) return it->second;
    }
    return std::nullopt;
}

std::optional<RuntimeMethod> RuntimeClass::replaceMethod(std::string_view selector,
                                                         RuntimeMethod method) {
    std::optional<RuntimeMethod> before = lookUpMethod(selector);
    std::unique_lock lock(runtimeLock());
    methods_.insert_or_assign(std::string(selector), method);
    return before;
}

void RuntimeClass::addMethod(std::string_view selector, RuntimeMethod method) {
    std::unique_lock lock(runtimeLock());
    methods_.insert_or_assign(std::string(selector), method);
}

std::optional<RuntimeMethod> RuntimeClass::lookUpClassMethod(std::string_view selector) const {
    std::shared_lock lock(runtimeLock());
    for (const RuntimeClass* cls = this; cls != nullptr; cls = cls->superclass_) {
        if (auto it = cls->classMethods_.find(selector); it != cls->classMethods_.end())
            return it->second;
    }
    return std::nullopt;
}

void RuntimeClass::addClassMethod(std::string_view selector, RuntimeMethod method) {
    std::unique_lock lock(runtimeLock());
    classMethods_.insert_or_assign(std::string(selector), method);
}

void RuntimeClass::addIvar(std::string ivarName,
                           std::function<std::shared_ptr<NSObject>(const NSObject&)> read) {
    std::unique_lock lock(runtimeLock());
    auto ivar = std::make_unique<RuntimeIvar>(RuntimeIvar{ivarName, this, std::move(read)});
    ivars_.insert_or_assign(std::move(ivarName), std::move(ivar));
}

Ivar RuntimeClass::lookUpIvar(std::string_view ivarName) const {
    std::shared_lock lock(runtimeLock());
    for (const RuntimeClass* cls = this; cls != nullptr; cls = cls->superclass_) {
        if (auto it = cls->ivars_.find(ivarName); it != cls->ivars_.end()) return it->second.get();
    }
    return nullptr;
}
