#pragma once
#include <cstdint>

namespace qv {

// What a press on the palette canvas does. Stored as an integer: any value
// other than Draw behaves as Take.
enum class PaletteMode : std::int32_t { Take = 0, Draw = 1 };

}  // namespace qv
