#include <cstring>
#include <new>

#include "picture/PictureFiles.h"

namespace qv {
namespace {

std::uint32_t le32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
}

// Interim: uncompressed 24-bit BMP only, enough for snapshots to round-trip.
std::optional<Picture> decodeBmp(std::span<const std::uint8_t> b) {
    if (b.size() < 54) return std::nullopt;
    const std::int64_t offBits = le32(&b[10]);
    const std::int64_t width = static_cast<std::int32_t>(le32(&b[18]));
    const std::int64_t rawHeight = static_cast<std::int32_t>(le32(&b[22]));
    const unsigned bits = b[28] | (b[29] << 8);
    if (le32(&b[30]) != 0 || bits != 24 || offBits < 54) return std::nullopt;
    const std::int64_t w = width < 0 ? -width : width;
    const std::int64_t h = rawHeight < 0 ? -rawHeight : rawHeight;
    if (static_cast<std::uint64_t>(w * h) > kMaxPicturePixels) return std::nullopt;
    const std::int64_t stride = (w * 3 + 3) / 4 * 4;
    if (offBits + stride * h > static_cast<std::int64_t>(b.size())) return std::nullopt;
    Picture pic;
    pic.kind = PictureKind::Bmp;
    pic.width = static_cast<std::int32_t>(w);
    pic.height = static_cast<std::int32_t>(h);
    pic.rgb.resize(static_cast<std::size_t>(w * h * 3));
    for (std::int64_t fileRow = 0; fileRow < h; ++fileRow) {
        const std::int64_t y = rawHeight > 0 ? h - 1 - fileRow : fileRow;
        const std::uint8_t* src = &b[static_cast<std::size_t>(offBits + fileRow * stride)];
        std::uint8_t* dst = &pic.rgb[static_cast<std::size_t>(y * w * 3)];
        for (std::int64_t x = 0; x < w; ++x, src += 3, dst += 3) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        }
    }
    return pic;
}

}  // namespace

std::optional<Picture> decodePicture(std::span<const std::uint8_t> bytes) {
    try {
        switch (sniffPictureKind(bytes)) {
            case PictureKind::Bmp: return decodeBmp(bytes);
            default: return std::nullopt;
        }
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

}  // namespace qv
