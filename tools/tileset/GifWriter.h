#pragma once
// Writes one indexed image as a GIF89a file: global colour table, optional
// graphic control extension naming a transparent index, one image at (0, 0),
// not interlaced, LZW data in sub-blocks of at most 255 bytes.
#include <cstdint>
#include <optional>
#include <vector>

#include "tools/tileset/Palette.h"

namespace qv::tileset {

struct GifImage {
    int width = 0;
    int height = 0;
    // 2, 4, 8, ... 256 entries.
    std::vector<Rgb> colours;
    // width * height indices, rows from the top.
    std::vector<std::uint8_t> indices;
    std::optional<std::uint8_t> transparentIndex;
};

// Empty when the image is inconsistent (size, table length, index range).
std::vector<std::uint8_t> writeGif(const GifImage& image);

}  // namespace qv::tileset
