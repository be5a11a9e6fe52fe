#include "tools/tileset/GifWriter.h"

#include <algorithm>

#include "tools/tileset/LzwEncoder.h"

namespace qv::tileset {
namespace {

void put16(std::vector<std::uint8_t>& out, int v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

// log2 of the table length, or 0 when it is not a power of two in 2..256.
int tableBits(std::size_t entries) {
    for (int bits = 1; bits <= 8; ++bits)
        if (entries == (std::size_t{1} << bits)) return bits;
    return 0;
}

}  // namespace

std::vector<std::uint8_t> writeGif(const GifImage& image) {
    const int bits = tableBits(image.colours.size());
    if (bits == 0 || image.width <= 0 || image.height <= 0 || image.width > 0xFFFF || image.height > 0xFFFF ||
        image.indices.size() != static_cast<std::size_t>(image.width) * image.height)
        return {};
    const auto tooLarge = [&](std::uint8_t i) { return i >= image.colours.size(); };
    if (std::any_of(image.indices.begin(), image.indices.end(), tooLarge)) return {};
    if (image.transparentIndex && tooLarge(*image.transparentIndex)) return {};

    std::vector<std::uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
    put16(out, image.width);
    put16(out, image.height);
    // Global table present, 8 bits of colour resolution, table size.
    out.push_back(static_cast<std::uint8_t>(0x80 | 0x70 | (bits - 1)));
    out.push_back(image.transparentIndex.value_or(0));  // background colour
    out.push_back(0);                                  // pixel aspect ratio
    for (const Rgb& c : image.colours) {
        out.push_back(c.r);
        out.push_back(c.g);
        out.push_back(c.b);
    }

    if (image.transparentIndex) {
        out.insert(out.end(), {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, *image.transparentIndex, 0x00});
    }

    out.push_back(0x2C);
    put16(out, 0);
    put16(out, 0);
    put16(out, image.width);
    put16(out, image.height);
    out.push_back(0x00);  // no local table, not interlaced

    const int minCodeSize = std::max(2, bits);
    out.push_back(static_cast<std::uint8_t>(minCodeSize));
    const std::vector<std::uint8_t> codes = lzwEncode(image.indices, minCodeSize);
    for (std::size_t at = 0; at < codes.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, codes.size() - at);
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), codes.begin() + static_cast<std::ptrdiff_t>(at),
                   codes.begin() + static_cast<std::ptrdiff_t>(at + n));
    }
    out.push_back(0x00);  // block terminator
    out.push_back(0x3B);  // trailer
    return out;
}

}  // namespace qv::tileset
