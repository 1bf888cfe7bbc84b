#include "sim/ScriptCommandTable.h"

void ScriptCommandTable::add(const std::string& name, Command command) {
    commands_.insert_or_assign(name, std::move(command));
}

const ScriptCommandTable::Command* ScriptCommandTable::find(std::string_view name) const {
    auto it = commands_.find(name);
    return it == commands_.end() ? nullptr : &it->second;
}
