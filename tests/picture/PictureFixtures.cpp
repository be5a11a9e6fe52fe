#include "PictureFixtures.h"

#include <fstream>
#include <iterator>
#include <map>

namespace qv::test {
namespace {

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// Packs one DIB row, padded to four bytes. Other depths (0 among them) get
// no pixel bytes: readers must refuse them anyway.
void putDibRow(Bytes& b, int width, unsigned bits, const std::function<std::uint32_t(int)>& value) {
    const std::size_t start = b.size();
    if (bits >= 24) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = value(x);
            b.push_back(static_cast<std::uint8_t>(v));
            b.push_back(static_cast<std::uint8_t>(v >> 8));
            b.push_back(static_cast<std::uint8_t>(v >> 16));
            if (bits == 32) b.push_back(0x5A);  // the byte no reader uses
        }
    } else if (bits == 16) {
        for (int x = 0; x < width; ++x) {
            b.push_back(static_cast<std::uint8_t>(value(x)));
            b.push_back(static_cast<std::uint8_t>(value(x) >> 8));
        }
    } else if (bits == 1 || bits == 2 || bits == 4 || bits == 8) {
        std::uint32_t acc = 0;
        unsigned used = 0;
        for (int x = 0; x < width; ++x) {
            acc = (acc << bits) | (value(x) & ((1u << bits) - 1));
            used += bits;
            if (used == 8) {
                b.push_back(static_cast<std::uint8_t>(acc));
                acc = 0;
                used = 0;
            }
        }
        if (used) b.push_back(static_cast<std::uint8_t>(acc << (8 - used)));
    }
    while ((b.size() - start) % 4) b.push_back(0);
}

}  // namespace

std::optional<Bytes> readFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return std::nullopt;
    return Bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

Rgb pixelAt(const Picture& p, int x, int y) {
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(p.width) + static_cast<std::size_t>(x)) * 3;
    return {p.rgb[i], p.rgb[i + 1], p.rgb[i + 2]};
}

Bytes makeBmp(const BmpLayout& s, const std::function<std::uint32_t(int, int)>& value) {
    Bytes pixels;
    const int h = s.height < 0 ? -s.height : s.height;
    for (int fileRow = 0; fileRow < h; ++fileRow) {
        const int y = s.height > 0 ? h - 1 - fileRow : fileRow;
        putDibRow(pixels, s.width, s.bits, [&](int x) { return value(x, y); });
    }
    if (s.dropLastPadding) {
        const std::size_t rowBytes = (static_cast<std::size_t>(s.width) * s.bits + 7) / 8;
        const std::size_t stride = (static_cast<std::size_t>(s.width) * s.bits + 31) / 32 * 4;
        pixels.resize(pixels.size() - (stride - rowBytes));
    }
    const std::uint32_t headerEnd = 14 + s.infoSize;
    const std::uint32_t offBits = s.offBits.value_or(headerEnd + 4 * static_cast<std::uint32_t>(s.table.size()));
    Bytes b;
    b.push_back('B');
    b.push_back('M');
    put32(b, offBits + static_cast<std::uint32_t>(pixels.size()));
    put32(b, 0);
    put32(b, offBits);
    put32(b, s.infoSize);
    put32(b, static_cast<std::uint32_t>(s.width));
    put32(b, static_cast<std::uint32_t>(s.height));
    put16(b, 1);
    put16(b, s.bits);
    put32(b, s.compression);
    put32(b, static_cast<std::uint32_t>(pixels.size()));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, s.coloursUsed);
    put32(b, 0);
    b.resize(std::max<std::size_t>(b.size(), headerEnd), 0);
    for (const Rgb& c : s.table) {
        b.push_back(c[2]);
        b.push_back(c[1]);
        b.push_back(c[0]);
        b.push_back(0);
    }
    b.resize(std::max<std::size_t>(b.size(), offBits), 0xEE);
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

Bytes lzwEncode(const std::vector<std::uint8_t>& indices, unsigned minCodeSize, bool clearWhenFull) {
    Bytes out;
    std::uint32_t acc = 0;
    unsigned bits = 0;
    const auto emit = [&](unsigned code, unsigned size) {
        acc |= code << bits;
        bits += size;
        while (bits >= 8) {
            out.push_back(static_cast<std::uint8_t>(acc));
            acc >>= 8;
            bits -= 8;
        }
    };
    const unsigned clear = 1u << minCodeSize;
    unsigned codeSize = minCodeSize + 1;
    unsigned next = clear + 2;
    std::map<std::pair<unsigned, unsigned>, unsigned> table;
    emit(clear, codeSize);
    // After each code the reader defines one more string, one step behind us.
    const auto defined = [&](std::optional<std::pair<unsigned, unsigned>> key) {
        if (next < 4096) {
            if (key) table[*key] = next;
            ++next;
            if (next - 1 == (1u << codeSize) && codeSize < 12) ++codeSize;
        }
        if (next == 4096 && clearWhenFull) {
            emit(clear, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            next = clear + 2;
        }
    };
    int prefix = -1;
    for (std::uint8_t index : indices) {
        if (prefix < 0) {
            prefix = index;
            continue;
        }
        const auto key = std::make_pair(static_cast<unsigned>(prefix), static_cast<unsigned>(index));
        const auto found = table.find(key);
        if (found != table.end()) {
            prefix = static_cast<int>(found->second);
            continue;
        }
        emit(static_cast<unsigned>(prefix), codeSize);
        defined(key);
        prefix = index;
    }
    if (prefix >= 0) {
        emit(static_cast<unsigned>(prefix), codeSize);
        defined(std::nullopt);
    }
    emit(clear + 1, codeSize);
    if (bits) out.push_back(static_cast<std::uint8_t>(acc));
    return out;
}

Bytes makeGif(const GifLayout& s) {
    Bytes b = {'G', 'I', 'F', '8', '9', 'a'};
    put16(b, s.screenWidth);
    put16(b, s.screenHeight);
    const auto tableBits = [](std::size_t n) {
        unsigned k = 0;
        while ((2u << k) < n) ++k;
        return k;
    };
    b.push_back(s.globalTable.empty() ? 0 : static_cast<std::uint8_t>(0x80 | 0x70 | tableBits(s.globalTable.size())));
    b.push_back(s.backgroundIndex);
    b.push_back(0);
    for (const Rgb& c : s.globalTable) b.insert(b.end(), c.begin(), c.end());
    // A comment and an application block to walk past.
    const Bytes comment = {0x21, 0xFE, 3, 'h', 'i', '!', 0};
    b.insert(b.end(), comment.begin(), comment.end());
    for (const GifImage& image : s.images) {
        if (s.graphicControl) {
            const Bytes control = {0x21, 0xF9, 4, 0x01, 10, 0, 0xFF, 0};
            b.insert(b.end(), control.begin(), control.end());
        }
        b.push_back(0x2C);
        put16(b, 0);
        put16(b, 0);
        put16(b, image.width);
        put16(b, image.height);
        std::uint8_t flags = image.interlaced ? 0x40 : 0;
        if (!image.localTable.empty()) flags |= static_cast<std::uint8_t>(0x80 | tableBits(image.localTable.size()));
        b.push_back(flags);
        for (const Rgb& c : image.localTable) b.insert(b.end(), c.begin(), c.end());
        std::vector<std::uint8_t> stored;
        if (image.interlaced) {
            const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
            for (int pass = 0; pass < 4; ++pass)
                for (int y = start[pass]; y < image.height; y += step[pass])
                    stored.insert(stored.end(), image.indices.begin() + y * image.width,
                                  image.indices.begin() + (y + 1) * image.width);
        } else {
            stored = image.indices;
        }
        const Bytes data = lzwEncode(stored, image.minCodeSize, image.clearWhenFull);
        b.push_back(static_cast<std::uint8_t>(image.minCodeSize));
        for (std::size_t at = 0; at < data.size(); at += 255) {
            const std::size_t n = std::min<std::size_t>(255, data.size() - at);
            b.push_back(static_cast<std::uint8_t>(n));
            b.insert(b.end(), data.begin() + static_cast<std::ptrdiff_t>(at), data.begin() + static_cast<std::ptrdiff_t>(at + n));
        }
        b.push_back(0);
    }
    b.push_back(0x3B);
    return b;
}

Bytes makeIconImage(const IconImageLayout& s) {
    Bytes b;
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(s.width));
    put32(b, static_cast<std::uint32_t>(s.height * 2));
    put16(b, 1);
    put16(b, s.bits);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, static_cast<std::uint32_t>(s.table.size()));
    put32(b, 0);
    for (const Rgb& c : s.table) {
        b.push_back(c[2]);
        b.push_back(c[1]);
        b.push_back(c[0]);
        b.push_back(0);
    }
    for (int y = s.height - 1; y >= 0; --y) putDibRow(b, s.width, s.bits, [&](int x) { return s.value(x, y); });
    for (int y = s.height - 1; y >= 0; --y)
        putDibRow(b, s.width, 1, [&](int x) { return s.transparent && s.transparent(x, y) ? 1u : 0u; });
    return b;
}

Bytes makeIconFile(std::uint16_t type, const std::vector<IconEntry>& entries) {
    Bytes b;
    put16(b, 0);
    put16(b, type);
    put16(b, static_cast<std::uint32_t>(entries.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (const IconEntry& e : entries) {
        b.push_back(e.widthByte);
        b.push_back(e.heightByte);
        b.push_back(e.colourCount);
        b.push_back(0);
        put16(b, 1);
        put16(b, 32);
        put32(b, static_cast<std::uint32_t>(e.image.size()));
        put32(b, offset);
        offset += static_cast<std::uint32_t>(e.image.size());
    }
    for (const IconEntry& e : entries) b.insert(b.end(), e.image.begin(), e.image.end());
    return b;
}

Bytes makePcx(const PcxLayout& s) {
    Bytes b(128, 0);
    b[0] = 0x0A;
    b[1] = s.version;
    b[2] = 1;
    b[3] = s.bits;
    const auto set16 = [&](std::size_t at, std::uint16_t v) {
        b[at] = static_cast<std::uint8_t>(v);
        b[at + 1] = static_cast<std::uint8_t>(v >> 8);
    };
    set16(4, s.xMin);
    set16(6, s.yMin);
    set16(8, s.xMax);
    set16(10, s.yMax);
    b[65] = s.planes;
    set16(66, s.bytesPerLine);
    // Header palette entries 0 and 1 deliberately not black and white.
    b[16] = 10; b[17] = 20; b[18] = 30; b[19] = 40; b[20] = 50; b[21] = 60;
    for (const auto& line : s.lines) {
        for (std::size_t i = 0; i < line.size();) {
            std::size_t run = 1;
            while (i + run < line.size() && line[i + run] == line[i] && run < 63) ++run;
            if (run > 1 || line[i] > 0xC0) {
                b.push_back(static_cast<std::uint8_t>(0xC0 + run));
                b.push_back(line[i]);
            } else {
                b.push_back(line[i]);
            }
            i += run;
        }
    }
    if (!s.table.empty()) {
        b.push_back(0x0C);
        for (const Rgb& c : s.table) b.insert(b.end(), c.begin(), c.end());
    }
    return b;
}

}  // namespace qv::test
