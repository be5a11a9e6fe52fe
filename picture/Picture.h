#pragma once
// A decoded picture and the kinds of picture file the editor reads.
#include <cstdint>
#include <vector>

namespace qv {

using Bytes = std::vector<std::uint8_t>;

enum class PictureKind : std::int32_t {
    Unrecognised = 0,
    Jpeg = 1,
    Bmp = 2,
    Icon = 3,
    Cursor = 4,
    Gif = 5,
    Pcx8 = 6,
    Pcx1 = 7,
};

// Pictures larger than this give none: it keeps hostile headers from
// asking for absurd allocations, while the largest map (32627 x 32627)
// stays below it.
inline constexpr std::uint64_t kMaxPicturePixels = std::uint64_t{1} << 30;

struct Picture {
    PictureKind kind = PictureKind::Unrecognised;
    std::int32_t width = 0;
    std::int32_t height = 0;
    // Red, green, blue per pixel, rows from the top row down, no padding:
    // width * height * 3 bytes.
    std::vector<std::uint8_t> rgb;
    // Icons and cursors only: one byte per pixel, non-zero where the pixel is
    // transparent. Empty for every other kind.
    std::vector<std::uint8_t> mask;

    bool transparentAt(std::int64_t index) const { return !mask.empty() && mask[static_cast<std::size_t>(index)] != 0; }
};

}  // namespace qv
