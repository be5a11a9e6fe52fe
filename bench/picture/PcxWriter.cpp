#include "PcxWriter.h"

#include <algorithm>

namespace qv::bench {
namespace {

void put16(Bytes& out, std::size_t at, unsigned v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// Runs stay inside one scan line and are at most 63 long; a single byte of
// 0xC0 or more needs a count of one, or it would read as a count.
void encodeLine(const std::uint8_t* line, std::size_t length, Bytes& out) {
    for (std::size_t x = 0; x < length;) {
        std::size_t run = 1;
        while (x + run < length && run < 63 && line[x + run] == line[x]) ++run;
        if (run > 1 || line[x] >= 0xC0) out.push_back(static_cast<std::uint8_t>(0xC0 | run));
        out.push_back(line[x]);
        x += run;
    }
}

}  // namespace

Bytes writePcx8(const IndexedArt& art) {
    // Lines are padded to an even number of bytes.
    const std::size_t bytesPerLine = (static_cast<std::size_t>(art.width) + 1) / 2 * 2;
    Bytes out(128, 0);
    out[0] = 0x0A;
    out[1] = 5;
    out[2] = 1;
    out[3] = 8;
    put16(out, 8, static_cast<unsigned>(art.width - 1));
    put16(out, 10, static_cast<unsigned>(art.height - 1));
    put16(out, 12, 72);
    put16(out, 14, 72);
    out[65] = 1;
    put16(out, 66, static_cast<unsigned>(bytesPerLine));
    put16(out, 68, 1);  // colour palette
    std::vector<std::uint8_t> line(bytesPerLine, 0);
    for (std::int32_t y = 0; y < art.height; ++y) {
        const std::uint8_t* row = &art.indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(art.width)];
        std::copy(row, row + art.width, line.begin());
        encodeLine(line.data(), line.size(), out);
    }
    out.push_back(0x0C);
    out.insert(out.end(), art.palette.begin(), art.palette.end());
    return out;
}

}  // namespace qv::bench
