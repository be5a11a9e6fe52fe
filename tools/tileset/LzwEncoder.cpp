#include "tools/tileset/LzwEncoder.h"

#include <algorithm>

namespace qv::tileset {
namespace {

constexpr int kMaxBits = 12;
constexpr int kTableSize = 1 << kMaxBits;

class BitPacker {
public:
    explicit BitPacker(std::vector<std::uint8_t>& out) : out_(out) {}
    void put(unsigned code, int bits) {
        acc_ |= static_cast<std::uint32_t>(code) << count_;
        count_ += bits;
        while (count_ >= 8) {
            out_.push_back(static_cast<std::uint8_t>(acc_ & 0xFF));
            acc_ >>= 8;
            count_ -= 8;
        }
    }
    void flush() {
        if (count_ > 0) out_.push_back(static_cast<std::uint8_t>(acc_ & 0xFF));
        acc_ = 0;
        count_ = 0;
    }

private:
    std::vector<std::uint8_t>& out_;
    std::uint32_t acc_ = 0;
    int count_ = 0;
};

}  // namespace

std::vector<std::uint8_t> lzwEncode(std::span<const std::uint8_t> indices, int minCodeSize) {
    const unsigned clearCode = 1u << minCodeSize;
    const unsigned endCode = clearCode + 1;
    std::vector<std::uint8_t> out;
    BitPacker bits(out);

    // child[prefix * 256 + pixel] is the code for "prefix followed by pixel";
    // 0 means none (no string ever gets code 0 as an extension).
    std::vector<std::uint16_t> child(static_cast<std::size_t>(kTableSize) * 256, 0);
    unsigned next = endCode + 1;
    int codeSize = minCodeSize + 1;

    auto reset = [&] {
        std::fill(child.begin(), child.end(), std::uint16_t{0});
        next = endCode + 1;
        codeSize = minCodeSize + 1;
    };
    // The decoder widens its codes once its table reaches 1 << codeSize; it
    // runs one entry behind us, so we widen right after sending the code that
    // brings it there.
    auto emit = [&](unsigned code) {
        bits.put(code, codeSize);
        if (next >= (1u << codeSize) && codeSize < kMaxBits) ++codeSize;
    };

    bits.put(clearCode, codeSize);
    if (!indices.empty()) {
        unsigned prefix = indices[0];
        for (std::size_t i = 1; i < indices.size(); ++i) {
            const unsigned pixel = indices[i];
            const std::size_t slot = static_cast<std::size_t>(prefix) * 256 + pixel;
            if (child[slot] != 0) {
                prefix = child[slot];
                continue;
            }
            emit(prefix);
            if (next < static_cast<unsigned>(kTableSize)) {
                child[slot] = static_cast<std::uint16_t>(next++);
            } else {
                // Table full: start over so later data compresses well again.
                bits.put(clearCode, codeSize);
                reset();
            }
            prefix = pixel;
        }
        emit(prefix);
    }
    bits.put(endCode, codeSize);
    bits.flush();
    return out;
}

}  // namespace qv::tileset
