#pragma once

#include <functional>

#include <nlohmann/json.hpp>

#include "platform/runtime/RuntimeTypes.h"

class UIView;

// Fields that views of some classes add to their entry in a view-tree dump (a scroll view's
// content offset, a switch's state, a table row's texts). Each class in a view's class chain adds
// its own, superclasses first.
class ViewDumpFields {
public:
    using Writer = std::function<void(const UIView&, nlohmann::ordered_json&)>;

    // Adds or replaces the writer for `cls`.
    static void add(Class cls, Writer writer);
    static void write(const UIView& view, nlohmann::ordered_json& dump);
};
