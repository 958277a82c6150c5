#pragma once

#include <cassert>
#include <cstddef>

namespace quillux::engine {

// A group of setup slots, indexed from 1 as every module addresses them (SetupI[1] is the
// first integer of SetupI).
template <typename T, int Count>
struct SlotArray {
    static constexpr int kCount = Count;

    T items[Count];

    T& operator[](int index) {
        assert(index >= 1 && index <= Count);
        return items[index - 1];
    }
    const T& operator[](int index) const {
        assert(index >= 1 && index <= Count);
        return items[index - 1];
    }
};

}  // namespace quillux::engine
