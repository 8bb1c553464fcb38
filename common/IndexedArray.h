#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace sim {

// A fixed array indexed First..Last, so the 1-based numbering of rotor positions, slots and
// corners stays visible at every use.
template <typename T, int First, int Last>
class IndexedArray {
    static_assert(Last >= First);

  public:
    static constexpr int kFirst = First;
    static constexpr int kLast = Last;

    T& operator[](int i) {
        assert(i >= First && i <= Last);
        return items_[static_cast<std::size_t>(i - First)];
    }
    const T& operator[](int i) const {
        assert(i >= First && i <= Last);
        return items_[static_cast<std::size_t>(i - First)];
    }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    friend bool operator==(const IndexedArray&, const IndexedArray&) = default;

  private:
    std::array<T, static_cast<std::size_t>(Last - First + 1)> items_{};
};

}  // namespace sim
