#pragma once
// The tile grid: it exists only through cellOf and the current unit.
#include <cstdint>

namespace qv {

struct Cell {
    std::int32_t column = 0;
    std::int32_t row = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// Floor of p / u; a unit of 0 gives 0.
std::int32_t cellOf(std::int32_t p, std::int32_t u);

}  // namespace qv
