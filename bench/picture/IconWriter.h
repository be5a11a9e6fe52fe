#pragma once
// A one-entry icon file written byte by byte: the directory, then a 24-bit
// DIB (40-byte header, height doubled for the mask), the colour rows and the
// 1-bit AND mask, both bottom row first.
#include <cstdint>
#include <vector>

#include "picture/Picture.h"

namespace qv::bench {

struct IconArt {
    std::int32_t size = 0;             // width and height
    std::vector<std::uint8_t> rgb;     // top row first; black where transparent
    std::vector<std::uint8_t> mask;    // 1 where transparent
};

// A round, shaded badge with transparent corners.
IconArt makeIconArt(std::int32_t size);

Bytes writeIcon24(const IconArt& art);

}  // namespace qv::bench
