#pragma once
#include "ERangeError.h"

#include <array>
#include <string>

// An array indexed Lo..Hi whose every index is checked: an index outside raises ERangeError
// instead of reaching another field's memory.
template <class T, int Lo, int Hi> class TRangeArray {
public:
    static_assert(Lo <= Hi);
    T& operator[](int i) { return items_[check(i)]; }
    const T& operator[](int i) const { return items_[check(i)]; }
    static constexpr int Low() { return Lo; }
    static constexpr int High() { return Hi; }
    void Fill(const T& v) { items_.fill(v); }

private:
    static size_t check(int i) {
        if (i < Lo || i > Hi) throw ERangeError("Range check error: index " + std::to_string(i));
        return size_t(i - Lo);
    }
    std::array<T, size_t(Hi - Lo + 1)> items_{};
};
