#pragma once

#include <memory>
#include <new>
#include <type_traits>

// A std::allocator whose containers leave new elements of trivial types unset instead of zeroing
// them: for buffers whose maker writes every element straight away, such as a new image's
// pixels, which would otherwise be cleared only to be overwritten.
template <class T>
class UninitializedAllocator : public std::allocator<T> {
public:
    template <class U>
    struct rebind {
        using other = UninitializedAllocator<U>;
    };

    UninitializedAllocator() = default;
    template <class U>
    UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}

    // Only default construction is changed; copies and the rest are built as usual.
    template <class U>
    void construct(U* place) noexcept(std::is_nothrow_default_constructible_v<U>) {
        ::new (static_cast<void*>(place)) U;
    }
};
