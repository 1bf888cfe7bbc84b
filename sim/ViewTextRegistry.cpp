#include "sim/ViewTextRegistry.h"

#include <map>

#include "platform/runtime/Runtime.h"
#include "platform/ui/views/UIView.h"

namespace {

std::map<Class, ViewTextRegistry::Reader>& readers() {
    static std::map<Class, ViewTextRegistry::Reader> registered;
    return registered;
}

}  // namespace

void ViewTextRegistry::add(Class cls, Reader reader) {
    readers().insert_or_assign(cls, std::move(reader));
}

std::optional<std::string> ViewTextRegistry::textOf(const UIView& view) {
    for (Class cls = view.objectClass(); cls != nullptr; cls = class_getSuperclass(cls)) {
        if (auto it = readers().find(cls); it != readers().end()) return it->second(view);
    }
    return std::nullopt;
}
