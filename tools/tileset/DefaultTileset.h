#pragma once
// The GIF89a picture the tileset canvas holds at start: a 640 x 1408 sheet of
// 32 x 32 game graphics, colour index 255 white and marked transparent.
#include <cstdint>
#include <span>

namespace qv {

std::span<const std::uint8_t> defaultTilesetGif();

}  // namespace qv
