#include "sim/ViewDumpFields.h"

#include <map>
#include <vector>

#include "platform/runtime/Runtime.h"
#include "platform/ui/views/UIView.h"

namespace {

std::map<Class, ViewDumpFields::Writer>& writers() {
    static std::map<Class, ViewDumpFields::Writer> registered;
    return registered;
}

}  // namespace

void ViewDumpFields::add(Class cls, Writer writer) {
    writers().insert_or_assign(cls, std::move(writer));
}

void ViewDumpFields::write(const UIView& view, nlohmann::ordered_json& dump) {
    std::vector<const Writer*> chain;
    for (Class cls = view.objectClass(); cls != nullptr; cls = class_getSuperclass(cls)) {
        if (auto it = writers().find(cls); it != writers().end()) chain.push_back(&it->second);
    }
    for (auto writer = chain.rbegin(); writer != chain.rend(); ++writer) (**writer)(view, dump);
}
