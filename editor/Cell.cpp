#include "editor/Cell.h"

#include <cmath>

#include "editor/Numbers.h"

namespace qv {

std::int32_t cellOf(std::int32_t p, std::int32_t u) {
    const double q = std::floor(static_cast<double>(p) / static_cast<double>(u));
    // u = 0 gives an infinity (or NaN for p = 0); the grid then has one cell.
    if (!std::isfinite(q)) return 0;
    return truncToInt32(q);
}

}  // namespace qv
