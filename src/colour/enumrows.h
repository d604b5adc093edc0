#pragma once

#include <array>
#include <cstddef>

namespace tincta {

// Tables of rows beside an enum whose last enumerator is Count: the checks below, asserted at
// compile time, make a missing, extra or misplaced row fail the build.

template <typename Enum, typename Row, std::size_t size>
constexpr bool hasOneRowPerEnumerator(const std::array<Row, size>&) {
    return size == static_cast<std::size_t>(Enum::Count);
}

// Row i holds enumerator i, so a row is found by its enumerator without a search.
template <typename Enum, typename Row, std::size_t size>
constexpr bool rowsFollowTheEnum(const std::array<Row, size>& rows, Enum Row::*enumerator) {
    for (std::size_t i = 0; i < size; ++i) {
        if (static_cast<std::size_t>(rows[i].*enumerator) != i)
            return false;
    }
    return true;
}

} // namespace tincta
