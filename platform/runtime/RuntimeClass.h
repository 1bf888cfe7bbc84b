#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <typeinfo>

#include "platform/runtime/RuntimeTypes.h"

// One method table entry: the implementation and the signature it was registered with.
struct RuntimeMethod {
    IMP imp = nullptr;
    const std::type_info* signature = nullptr;
};

// An object-valued instance variable that can be read by name.
struct RuntimeIvar {
    std::string name;
    Class owner = nullptr;
    std::function<std::shared_ptr<NSObject>(const NSObject&)> read;
};

// A class object: name, superclass, method table, ivars and, for concrete classes, a factory.
// Class objects are created by `defineClass` and live for the whole process. The tables are
// guarded by one process-wide lock, so hooks may be installed while other threads send messages.
class RuntimeClass {
public:
    using Factory = std::function<std::shared_ptr<NSObject>()>;

    RuntimeClass(std::string name, Class superclass, Factory factory);

    const std::string& name() const { return name_; }
    Class superclass() const { return superclass_; }
    std::shared_ptr<NSObject> createInstance() const;

    // The method in force for `selector`: this class's own, else the nearest superclass's.
    std::optional<RuntimeMethod> lookUpMethod(std::string_view selector) const;
    // Replaces or adds this class's own entry; gives the entry in force before (own or inherited).
    std::optional<RuntimeMethod> replaceMethod(std::string_view selector, RuntimeMethod method);
    void addMethod(std::string_view selector, RuntimeMethod method);

    template <class R, class... Args>
    void addMethod(SEL selector, R (*imp)(id, SEL, Args...)) {
        addMethod(selector, RuntimeMethod{reinterpret_cast<IMP>(imp), &typeid(imp)});
    }

    // Class methods take the class object as their receiver: R (*)(Class, SEL, Args...).
    std::optional<RuntimeMethod> lookUpClassMethod(std::string_view selector) const;
    template <class R, class... Args>
    void addClassMethod(SEL selector, R (*imp)(Class, SEL, Args...)) {
        addClassMethod(selector, RuntimeMethod{reinterpret_cast<IMP>(imp), &typeid(imp)});
    }
    void addClassMethod(std::string_view selector, RuntimeMethod method);

    // Reads `member` (a shared_ptr or weak_ptr to an NSObject subclass) of a `T` by name.
    template <class T, class Member>
    void addIvar(std::string ivarName, Member T::*member) {
        addIvar(std::move(ivarName), [member](const NSObject& object) -> std::shared_ptr<NSObject> {
            const auto& value = static_cast<const T&>(object).*member;
            if constexpr (requires { value.lock(); }) {
                return value.lock();
            } else {
                return value;
            }
        });
    }
    void addIvar(std::string ivarName,
                 std::function<std::shared_ptr<NSObject>(const NSObject&)> read);
    Ivar lookUpIvar(std::string_view ivarName) const;

private:
    std::string name_;
    Class superclass_;
    Factory factory_;
    std::map<std::string, RuntimeMethod, std::less<>> methods_;
    std::map<std::string, RuntimeMethod, std::less<>> classMethods_;
    std::map<std::string, std::unique_ptr<RuntimeIvar>, std::less<>> ivars_;
};
