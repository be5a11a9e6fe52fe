#pragma once
// Deterministic stand-ins for the pictures the editor meets: tilesets drawn
// in a 256-colour palette, photographs, and map surfaces. Every input of the
// picture benchmarks is made here, so no picture files are needed.
#include <array>
#include <cstdint>
#include <vector>

#include "picture/Surface.h"

namespace qv::bench {

using Palette = std::array<std::uint8_t, 256 * 3>;

struct IndexedArt {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> indices;  // one palette index per pixel, top row first
    Palette palette{};

    std::vector<std::uint8_t> rgb() const;
};

// 32 x 32 tiles of pixel art: flat runs, outlines, dithering and speckled
// detail; some tiles are left blank in index 255 (white).
IndexedArt makeTilesetArt(std::int32_t width, std::int32_t height);

// Smooth gradients, texture, soft noise and a few hard edges, 8-bit RGB,
// top row first.
std::vector<std::uint8_t> makePhotoRgb(std::int32_t width, std::int32_t height);

// A map-like surface: photo-like content with tiles stamped over it.
Surface makeVariedSurface(std::int32_t width, std::int32_t height);

std::vector<std::uint8_t> rgbOfSurface(const Surface& surface);

}  // namespace qv::bench
