// Uncompressed BMP: 1-, 4-, 8-bit with a colour table, 24- and 32-bit direct.
#include <limits>

#include "picture/ByteReader.h"
#include "picture/Decoders.h"
#include "picture/DibRow.h"

namespace qv::detail {

std::optional<Picture> decodeBmp(std::span<const std::uint8_t> bytes) {
    const ByteReader in(bytes);
    // File header and a 40-byte info header.
    if (!in.has(0, 54)) return std::nullopt;
    const std::uint64_t offBits = in.u32(10);
    const std::uint64_t infoSize = in.u32(14);
    const std::int32_t rawWidth = in.i32(18);
    const std::int32_t rawHeight = in.i32(22);
    const unsigned bits = in.u16(28);
    const std::uint32_t compression = in.u32(30);
    const std::uint64_t coloursUsed = in.u32(46);

    // Run-length and bit-field pictures are not read.
    if (compression != 0) return std::nullopt;

    // The colour table follows the info header the file actually has; a
    // header shorter than the 40 bytes read above leaves it at 54.
    const std::uint64_t tableStart = infoSize >= 40 ? 14 + infoSize : 54;
    std::uint64_t entries = 0;
    switch (bits) {
        case 1:
        case 4:
        case 8: entries = coloursUsed != 0 ? coloursUsed : (std::uint64_t{1} << bits); break;
        case 24:
        case 32: break;
        default: return std::nullopt;  // 16-bit and anything unknown
    }
    // The table may not run into the pixel rows.
    const std::uint64_t consumed = tableStart + 4 * entries;
    if (consumed > offBits) return std::nullopt;

    // Negating the most negative value would overflow.
    if (rawWidth == std::numeric_limits<std::int32_t>::min() || rawHeight == std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    const std::int64_t width = rawWidth < 0 ? -std::int64_t{rawWidth} : rawWidth;
    const std::int64_t height = rawHeight < 0 ? -std::int64_t{rawHeight} : rawHeight;
    if (width < 1 || height < 1) return std::nullopt;
    if (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMaxPicturePixels) return std::nullopt;

    // Every row must be there before anything is allocated; the last row
    // needs its pixels, not its padding.
    const std::uint64_t stride = dibStride(static_cast<std::uint64_t>(width), bits);
    const std::uint64_t lastRow = dibRowBytes(static_cast<std::uint64_t>(width), bits);
    if (!in.has(offBits, stride * static_cast<std::uint64_t>(height - 1) + lastRow)) return std::nullopt;

    Palette palette;
    if (entries != 0) {
        const std::uint64_t readable = entries < 256 ? entries : 256;
        if (!in.has(tableStart, 4 * readable)) return std::nullopt;
        palette = readBgrxPalette(in.data() + tableStart, readable);
    }

    Picture picture;
    if (!allocatePicture(picture, PictureKind::Bmp, width, height)) return std::nullopt;
    const std::uint64_t outStride = static_cast<std::uint64_t>(width) * 3;
    const bool bottomUp = rawHeight > 0;
    for (std::int64_t fileRow = 0; fileRow < height; ++fileRow) {
        const std::int64_t y = bottomUp ? height - 1 - fileRow : fileRow;
        const std::uint8_t* src = in.data() + offBits + static_cast<std::uint64_t>(fileRow) * stride;
        std::uint8_t* dst = picture.rgb.data() + static_cast<std::uint64_t>(y) * outStride;
        dibRowToRgb(src, dst, static_cast<std::uint64_t>(width), bits, palette);
    }
    return picture;
}

}  // namespace qv::detail
