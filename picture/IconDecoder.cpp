// Icons and cursors: a directory of entries, each an image stored as a
// device-independent bitmap (header, colour table, colour rows, AND mask).
#include <cstring>

#include "picture/ByteReader.h"
#include "picture/Decoders.h"
#include "picture/DibRow.h"

namespace qv::detail {
namespace {

constexpr std::uint64_t kDirectorySize = 6;
constexpr std::uint64_t kEntrySize = 16;

// The entry used: the first 32 pixels wide with at least 16 colours, else the last.
std::uint64_t chooseEntry(const ByteReader& in, std::uint64_t count) {
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t entry = kDirectorySize + kEntrySize * i;
        if (in.u8(entry) == 32 && in.u8(entry + 2) >= 16) return i;
    }
    return count - 1;
}

std::optional<Picture> decodeIconImage(std::span<const std::uint8_t> image, PictureKind kind) {
    const ByteReader in(image);
    // Entries stored as PNG streams are not bitmaps; they give none.
    if (!in.has(0, 40)) return std::nullopt;
    const std::uint64_t headerSize = in.u32(0);
    const std::int32_t rawWidth = in.i32(4);
    const std::int32_t rawHeight = in.i32(8);  // colour rows and mask rows together
    const unsigned bits = in.u16(14);
    const std::uint32_t compression = in.u32(16);
    const std::uint64_t coloursUsed = in.u32(32);
    if (headerSize < 40 || compression != 0) return std::nullopt;
    // Icon images are stored bottom-up; anything else is not this layout.
    if (rawWidth < 1 || rawHeight < 2) return std::nullopt;
    const std::int64_t width = rawWidth;
    const std::int64_t height = rawHeight / 2;
    if (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMaxPicturePixels) return std::nullopt;

    std::uint64_t entries = coloursUsed;
    switch (bits) {
        case 1:
        case 4:
        case 8:
            if (entries == 0) entries = std::uint64_t{1} << bits;
            break;
        case 24:
        case 32: break;
        default: return std::nullopt;
    }
    const std::uint64_t tableStart = headerSize;
    const std::uint64_t colourStart = tableStart + 4 * entries;
    const std::uint64_t uwidth = static_cast<std::uint64_t>(width);
    const std::uint64_t uheight = static_cast<std::uint64_t>(height);
    const std::uint64_t colourStride = dibStride(uwidth, bits);
    const std::uint64_t maskStart = colourStart + colourStride * uheight;
    const std::uint64_t maskStride = dibStride(uwidth, 1);
    // Colour rows and mask must both be there; the mask's last row needs its
    // bits, not its padding.
    if (!in.has(maskStart, maskStride * (uheight - 1) + dibRowBytes(uwidth, 1))) return std::nullopt;

    const Palette palette = readBgrxPalette(in.data() + tableStart, entries);

    Picture picture;
    if (!allocatePicture(picture, kind, width, height)) return std::nullopt;
    picture.mask.assign(static_cast<std::size_t>(uwidth * uheight), 0);
    for (std::uint64_t fileRow = 0; fileRow < uheight; ++fileRow) {
        const std::uint64_t y = uheight - 1 - fileRow;
        dibRowToRgb(in.data() + colourStart + fileRow * colourStride, picture.rgb.data() + y * uwidth * 3, uwidth, bits,
                    palette);
        // Mask bit 1: the destination shows through. Alpha in 32-bit images is not used.
        const std::uint8_t* maskRow = in.data() + maskStart + fileRow * maskStride;
        std::uint8_t* maskOut = picture.mask.data() + y * uwidth;
        for (std::uint64_t x = 0; x < uwidth; ++x) maskOut[x] = (maskRow[x >> 3] >> (7 - (x & 7))) & 1;
    }
    return picture;
}

}  // namespace

std::optional<Picture> decodeIcon(std::span<const std::uint8_t> bytes, PictureKind kind) {
    const ByteReader in(bytes);
    if (!in.has(0, kDirectorySize)) return std::nullopt;
    const std::uint64_t count = in.u16(4);
    if (count == 0) return std::nullopt;
    // The whole directory must be there to find its last entry.
    if (!in.has(kDirectorySize, kEntrySize * count)) return std::nullopt;
    const std::uint64_t entry = kDirectorySize + kEntrySize * chooseEntry(in, count);
    const std::uint64_t size = in.u32(entry + 8);
    const std::uint64_t offset = in.u32(entry + 12);
    if (!in.has(offset, size)) return std::nullopt;
    return decodeIconImage(in.slice(offset, size), kind);
}

}  // namespace qv::detail
