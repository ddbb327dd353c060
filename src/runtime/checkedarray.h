#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "runtime/runtimeerror.h"

namespace runtime {

// Element `index` of any sized, indexable container; an index outside 0..size-1 raises
// "subscript out of range" instead of reading or writing beyond the container.
template <typename Container>
decltype(auto) checkedAt(Container& container, std::int64_t index) {
    const auto size = static_cast<std::int64_t>(std::size(container));
    if (index < 0 || index >= size) {
        raise(ErrorNumber::SubscriptOutOfRange,
              "index " + std::to_string(index) + " of " + std::to_string(size));
    }
    return container[static_cast<std::size_t>(index)];
}

// A growable array indexed from 0 whose every access is bounds-checked.
template <typename T>
class CheckedArray {
public:
    CheckedArray() = default;

    // An array of `count` value-initialised (zeroed) elements. Running out of memory is the
    // runtime's out-of-memory error, not an escaping std::bad_alloc.
    static CheckedArray zeroed(std::int64_t count) {
        if (count < 0) {
            raise(ErrorNumber::SubscriptOutOfRange, "negative size " + std::to_string(count));
        }
        CheckedArray array;
        try {
            array.items_.resize(static_cast<std::size_t>(count));
        } catch (const std::bad_alloc&) {
            raise(ErrorNumber::OutOfMemory, std::to_string(count) + " elements");
        } catch (const std::length_error&) {
            raise(ErrorNumber::OutOfMemory, std::to_string(count) + " elements");
        }
        return array;
    }

    T& operator[](std::int64_t index) { return checkedAt(items_, index); }
    const T& operator[](std::int64_t index) const { return checkedAt(items_, index); }

    std::int64_t size() const noexcept { return static_cast<std::int64_t>(items_.size()); }
    bool empty() const noexcept { return items_.empty(); }

    auto begin() noexcept { return items_.begin(); }
    auto end() noexcept { return items_.end(); }
    auto begin() const noexcept { return items_.begin(); }
    auto end() const noexcept { return items_.end(); }

    friend bool operator==(const CheckedArray&, const CheckedArray&) = default;

private:
    std::vector<T> items_;
};

}  // namespace runtime
