#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/runtime/RuntimeTypes.h"

class UIView;

// Which views carry text, and how to read it, for the view-tree dump: one reader per view class,
// found through the class chain, so a subclass of a text-bearing class reads as text too. The
// views that carry text (labels, text views, the simulator's own captions) add their class here.
class ViewTextRegistry {
public:
    // Given a view of the class (or a subclass), its text.
    using Reader = std::function<std::string(const UIView&)>;

    // Adds or replaces the reader for `cls`.
    static void add(Class cls, Reader reader);
    // The view's text; nothing when its class carries none.
    static std::optional<std::string> textOf(const UIView& view);
};
