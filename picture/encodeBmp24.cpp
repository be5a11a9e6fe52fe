#include <cstring>
#include <new>

#include "picture/LargeBuffer.h"
#include "picture/PictureFiles.h"

namespace qv {
namespace {

void put16(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::uint8_t* p, std::uint32_t v) {
    put16(p, v & 0xFFFFu);
    put16(p + 2, v >> 16);
}

}  // namespace

Bytes encodeBmp24(const Surface& surface) {
    const std::int64_t w = surface.width;
    const std::int64_t h = surface.height;
    if (w < 1 || h < 1 || surface.pixels.size() < static_cast<std::uint64_t>(w * h)) return {};
    const std::uint64_t stride = static_cast<std::uint64_t>((24 * w + 31) / 32) * 4;
    const std::uint64_t imageSize = stride * static_cast<std::uint64_t>(h);
    constexpr std::uint32_t kHeaderSize = 14 + 40;
    // The size fields are 32 bits wide; a surface whose file would not fit
    // them cannot be written truthfully.
    if (imageSize + kHeaderSize > 0xFFFFFFFFull) return {};

    Bytes out;
    try {
        assignLarge<std::uint8_t>(out, kHeaderSize + imageSize, 0);
    } catch (const std::bad_alloc&) {
        return {};
    }
    std::uint8_t* p = out.data();
    p[0] = 'B';
    p[1] = 'M';
    put32(p + 2, static_cast<std::uint32_t>(kHeaderSize + imageSize));
    put32(p + 6, 0);
    put32(p + 10, kHeaderSize);
    put32(p + 14, 40);
    put32(p + 18, static_cast<std::uint32_t>(w));
    put32(p + 22, static_cast<std::uint32_t>(h));
    put16(p + 26, 1);
    put16(p + 28, 24);
    put32(p + 30, 0);
    put32(p + 34, static_cast<std::uint32_t>(imageSize));
    std::memset(p + 38, 0, 16);

    // Bottom row first; each pixel's blue, green, red bytes, then zero padding.
    std::uint8_t* dst = p + kHeaderSize;
    const std::size_t pad = static_cast<std::size_t>(stride - static_cast<std::uint64_t>(w) * 3);
    for (std::int64_t y = h - 1; y >= 0; --y) {
        const std::uint32_t* src = surface.row(static_cast<std::int32_t>(y));
        for (std::int64_t x = 0; x < w; ++x) {
            const std::uint32_t px = src[x];
            dst[0] = static_cast<std::uint8_t>(px);
            dst[1] = static_cast<std::uint8_t>(px >> 8);
            dst[2] = static_cast<std::uint8_t>(px >> 16);
            dst += 3;
        }
        std::memset(dst, 0, pad);
        dst += pad;
    }
    return out;
}

}  // namespace qv
