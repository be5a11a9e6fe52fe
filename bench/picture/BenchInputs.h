#pragma once
// The files the picture benchmarks decode and the surface they encode, made
// on first use and kept for the whole run, each with the pixels a correct
// decoder must give.
#include <cstdint>
#include <string>
#include <vector>

#include "picture/Picture.h"
#include "picture/Surface.h"

namespace qv::bench {

struct BenchInput {
    Bytes bytes;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> rgb;   // expected RGB, top row first
    std::vector<std::uint8_t> mask;  // icons: non-zero where transparent; else empty

    std::int64_t pixels() const { return std::int64_t{width} * height; }
};

const BenchInput& gifTileset();     // 640 x 1408, 256 colours, like the default tileset
const BenchInput& bmp24Large();     // 4096 x 4096, 24-bit, from encodeBmp24
const BenchInput& jpegPhoto();      // 4096 x 4096, quality 90; rgb from libjpeg's own decode
const BenchInput& pcx8Large();      // 2048 x 2048, 8-bit run-length
const BenchInput& icon32();         // 32 x 32, 24-bit with an AND mask
const Surface& mapSurfaceLarge();   // 8192 x 8192, for encodeBmp24

// Where a decoded picture differs from what the input holds: empty when it
// matches. Pixels the mask marks transparent may have any colour.
std::string differenceFrom(const BenchInput& input, int width, int height, const std::uint8_t* rgb,
                           const std::vector<std::uint8_t>* mask = nullptr);

}  // namespace qv::bench
