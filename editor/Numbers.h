#pragma once
// Turning double-precision results into the 32-bit integers that controls
// and cells hold.
#include <cmath>
#include <cstdint>
#include <limits>

namespace qv {

// Truncates towards zero. Values beyond the 32-bit range saturate and NaN
// gives 0, so a huge typed number can never wrap round to a small or
// negative one.
inline std::int32_t truncToInt32(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (v <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

inline constexpr std::int32_t kMaxExtent = 32627;  // largest width, height or |position| of a control

inline std::int32_t clampSize(std::int32_t v) { return v < 0 ? 0 : (v > kMaxExtent ? kMaxExtent : v); }
inline std::int32_t clampPosition(std::int32_t v) {
    return v < -kMaxExtent ? -kMaxExtent : (v > kMaxExtent ? kMaxExtent : v);
}

}  // namespace qv
