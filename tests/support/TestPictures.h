#pragma once
// Pictures that tests make with the project's own encoder.
#include <cstdint>
#include <functional>

#include "picture/Picture.h"
#include "picture/Surface.h"

namespace qv::test {

// A colour per pixel that varies with x and y, so a shifted or missing pixel shows.
std::uint32_t patternPixel(std::int32_t x, std::int32_t y);

// A surface of the given size painted by colour(x, y) (0xFFRRGGBB).
Surface makeSurface(std::int32_t width, std::int32_t height,
                    const std::function<std::uint32_t(std::int32_t, std::int32_t)>& colour = patternPixel);

// The 24-bit BMP file of makeSurface(width, height, colour).
Bytes makeBmp(std::int32_t width, std::int32_t height,
              const std::function<std::uint32_t(std::int32_t, std::int32_t)>& colour = patternPixel);

// A 640 x 1408 tileset on a 32-pixel grid: each cell one colour, differing
// from its neighbours and never white. Made once and shared.
const Bytes& testTilesetPicture();

}  // namespace qv::test
