#pragma once

#include <compare>
#include <cstddef>

// A row's place in a table: its section and its row within the section. Ordered by section,
// then row.
struct NSIndexPath {
    size_t section = 0;
    size_t row = 0;

    static NSIndexPath indexPathForRow_inSection(size_t row, size_t section) {
        return {section, row};
    }

    friend auto operator<=>(const NSIndexPath&, const NSIndexPath&) = default;
};
