#include "GifWriter.h"

#include <algorithm>

namespace qv::bench {
namespace {

void put16(Bytes& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

// Packs codes least significant bit first and cuts them into sub-blocks of
// at most 255 bytes.
class CodeStream {
public:
    void put(unsigned code, int bits) {
        buffer_ |= static_cast<std::uint32_t>(code) << filled_;
        filled_ += bits;
        while (filled_ >= 8) {
            bytes_.push_back(static_cast<std::uint8_t>(buffer_));
            buffer_ >>= 8;
            filled_ -= 8;
        }
    }
    void writeSubBlocks(Bytes& out) {
        if (filled_ > 0) bytes_.push_back(static_cast<std::uint8_t>(buffer_));
        for (std::size_t at = 0; at < bytes_.size(); at += 255) {
            const std::size_t n = std::min<std::size_t>(255, bytes_.size() - at);
            out.push_back(static_cast<std::uint8_t>(n));
            out.insert(out.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at), bytes_.begin() + static_cast<std::ptrdiff_t>(at + n));
        }
        out.push_back(0);
    }

private:
    Bytes bytes_;
    std::uint32_t buffer_ = 0;
    int filled_ = 0;
};

void compressLzw(const std::vector<std::uint8_t>& indices, CodeStream& stream) {
    constexpr unsigned kClear = 256, kEnd = 257, kFirstFree = 258;
    // Like the common writers, clear one code early so the table never has
    // to hold code 4095.
    constexpr unsigned kLastCode = 4095;
    constexpr std::uint16_t kNone = 0;
    // child[prefix * 256 + byte] is the code of prefix+byte, or none.
    std::vector<std::uint16_t> child(4096 * 256, kNone);
    unsigned next = kFirstFree;
    int bits = 9;
    stream.put(kClear, bits);
    if (indices.empty()) {
        stream.put(kEnd, bits);
        return;
    }
    unsigned prefix = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const std::uint8_t byte = indices[i];
        const std::uint16_t known = child[prefix * 256 + byte];
        if (known != kNone) {
            prefix = known;
            continue;
        }
        stream.put(prefix, bits);
        if (next >= kLastCode) {
            stream.put(kClear, bits);
            std::fill(child.begin(), child.end(), kNone);
            next = kFirstFree;
            bits = 9;
        } else {
            child[prefix * 256 + byte] = static_cast<std::uint16_t>(next);
            // The reader widens its codes once the code just added no longer
            // fits; widen at the same moment.
            if (next >= (1u << bits) && bits < 12) ++bits;
            ++next;
        }
        prefix = byte;
    }
    stream.put(prefix, bits);
    stream.put(kEnd, bits);
}

}  // namespace

Bytes writeGif(const IndexedArt& art) {
    Bytes out = {'G', 'I', 'F', '8', '9', 'a'};
    put16(out, static_cast<unsigned>(art.width));
    put16(out, static_cast<unsigned>(art.height));
    out.push_back(0xF7);  // global table of 256 entries, 8 bits of colour resolution
    out.push_back(0);     // background index
    out.push_back(0);     // aspect ratio
    out.insert(out.end(), art.palette.begin(), art.palette.end());
    // No graphic control extension: with a transparent index the peers would
    // decode the transparent pixels differently, and their output could not
    // be checked against the art.
    out.push_back(0x2C);
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<unsigned>(art.width));
    put16(out, static_cast<unsigned>(art.height));
    out.push_back(0);  // no local table, not interlaced
    out.push_back(8);  // minimum code size
    CodeStream stream;
    compressLzw(art.indices, stream);
    stream.writeSubBlocks(out);
    out.push_back(0x3B);
    return out;
}

}  // namespace qv::bench
