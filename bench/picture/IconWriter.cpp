#include "IconWriter.h"

namespace qv::bench {
namespace {

void put16(Bytes& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xFFFFu);
    put16(out, v >> 16);
}

}  // namespace

IconArt makeIconArt(std::int32_t size) {
    IconArt art;
    art.size = size;
    const std::size_t n = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
    art.rgb.assign(n * 3, 0);
    art.mask.assign(n, 0);
    const double centre = (size - 1) / 2.0;
    for (std::int32_t y = 0; y < size; ++y) {
        for (std::int32_t x = 0; x < size; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(size) + static_cast<std::size_t>(x);
            const double dx = x - centre, dy = y - centre;
            if (dx * dx + dy * dy > centre * centre) {
                art.mask[i] = 1;
                continue;
            }
            art.rgb[i * 3] = static_cast<std::uint8_t>(40 + x * 6);
            art.rgb[i * 3 + 1] = static_cast<std::uint8_t>(200 - y * 5);
            art.rgb[i * 3 + 2] = static_cast<std::uint8_t>(((x ^ y) & 4) ? 220 : 90);
        }
    }
    return art;
}

Bytes writeIcon24(const IconArt& art) {
    const std::uint32_t size = static_cast<std::uint32_t>(art.size);
    const std::uint32_t colourStride = (size * 3 + 3) / 4 * 4;
    const std::uint32_t maskStride = (size + 31) / 32 * 4;
    const std::uint32_t imageBytes = 40 + (colourStride + maskStride) * size;
    Bytes out;
    // Directory: reserved, type 1 (icon), one entry.
    put16(out, 0);
    put16(out, 1);
    put16(out, 1);
    // Entry: width, height, colour count 0 (more than 256), reserved,
    // planes, bits per pixel, image size, image offset.
    out.push_back(static_cast<std::uint8_t>(size));
    out.push_back(static_cast<std::uint8_t>(size));
    out.push_back(0);
    out.push_back(0);
    put16(out, 1);
    put16(out, 24);
    put32(out, imageBytes);
    put32(out, 6 + 16);
    // DIB header: the height counts the colour rows and the mask rows.
    put32(out, 40);
    put32(out, size);
    put32(out, size * 2);
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);
    put32(out, (colourStride + maskStride) * size);
    for (int i = 0; i < 4; ++i) put32(out, 0);
    for (std::int32_t y = art.size - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        for (std::int32_t x = 0; x < art.size; ++x) {
            const std::uint8_t* p = &art.rgb[(static_cast<std::size_t>(y) * size + static_cast<std::size_t>(x)) * 3];
            out.push_back(p[2]);
            out.push_back(p[1]);
            out.push_back(p[0]);
        }
        out.resize(start + colourStride, 0);
    }
    for (std::int32_t y = art.size - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        out.resize(start + maskStride, 0);
        for (std::int32_t x = 0; x < art.size; ++x)
            if (art.mask[static_cast<std::size_t>(y) * size + static_cast<std::size_t>(x)] != 0)
                out[start + static_cast<std::size_t>(x) / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    return out;
}

}  // namespace qv::bench
