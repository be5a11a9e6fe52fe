#pragma once
// The variable-length LZW of GIF image data. Codes are written straight into
// a row of colour indices through a flat prefix/suffix table; each completed
// row is handed to the caller. Decoding stops at the end code, when every
// row is complete, when the data runs out, or at the first code that cannot
// be valid; rows not completed are left to the caller.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>

namespace qv::detail {

inline constexpr unsigned kGifMaxCodes = 4096;

// The largest minimum code size whose first codes still fit in 12 bits.
inline constexpr unsigned kGifMaxMinCodeSize = 11;

// Index is std::uint8_t for minimum code sizes up to 8 (the usual case), else
// std::uint16_t: some encoders write larger sizes, and their literal codes can
// exceed 255. width >= 1 and rows >= 1; row holds width indices. onRow() is
// called once per completed row with the row buffer filled. Returns the number
// of rows completed and, through partial, how many pixels of the next row
// were set.
template <typename Index, typename OnRow>
std::uint64_t decodeGifLzw(std::span<const std::uint8_t> data, unsigned minCodeSize, Index* row, std::uint64_t width,
                           std::uint64_t rows, OnRow&& onRow, std::uint64_t& partial) {
    partial = 0;
    // Other sizes leave no room for codes: nothing decodes.
    if (minCodeSize < 1 || minCodeSize > kGifMaxMinCodeSize) return 0;
    if ((std::uint64_t{1} << minCodeSize) > (std::uint64_t{1} << (8 * sizeof(Index)))) return 0;

    std::uint16_t prefix[kGifMaxCodes];
    Index suffix[kGifMaxCodes];
    Index first[kGifMaxCodes];
    std::uint16_t length[kGifMaxCodes];
    Index spill[kGifMaxCodes];  // a string that runs past the end of a row

    const unsigned clearCode = 1u << minCodeSize;
    const unsigned endCode = clearCode + 1;
    for (unsigned i = 0; i < clearCode; ++i) {
        prefix[i] = 0;
        suffix[i] = static_cast<Index>(i);
        first[i] = static_cast<Index>(i);
        length[i] = 1;
    }
    unsigned codeSize = minCodeSize + 1;
    unsigned next = clearCode + 2;
    int previous = -1;

    std::uint64_t accumulator = 0;
    unsigned bitCount = 0;
    std::size_t at = 0;
    const std::uint8_t* bytes = data.data();
    const std::size_t size = data.size();

    std::uint64_t x = 0;
    std::uint64_t done = 0;

    // Writes code's string backwards from its last byte.
    const auto spell = [&](unsigned code, Index* out) {
        unsigned n = length[code];
        while (n > 1) {
            out[--n] = suffix[code];
            code = prefix[code];
        }
        out[0] = suffix[code];
    };

    for (;;) {
        while (bitCount < codeSize) {
            if (at == size) return done;  // data ran out
            accumulator |= std::uint64_t{bytes[at++]} << bitCount;
            bitCount += 8;
        }
        const unsigned code = static_cast<unsigned>(accumulator & ((1u << codeSize) - 1));
        accumulator >>= codeSize;
        bitCount -= codeSize;

        if (code == clearCode) {
            codeSize = minCodeSize + 1;
            next = clearCode + 2;
            previous = -1;
            continue;
        }
        if (code == endCode) return done;

        if (previous < 0) {
            if (code >= clearCode) return done;  // the first code must be a colour
        } else if (code < next) {
            if (next < kGifMaxCodes) {
                prefix[next] = static_cast<std::uint16_t>(previous);
                suffix[next] = first[code];
                first[next] = first[previous];
                length[next] = static_cast<std::uint16_t>(length[previous] + 1);
                ++next;
            }
        } else if (code == next && next < kGifMaxCodes) {
            // The string being defined by this very code.
            prefix[next] = static_cast<std::uint16_t>(previous);
            suffix[next] = first[previous];
            first[next] = first[previous];
            length[next] = static_cast<std::uint16_t>(length[previous] + 1);
            ++next;
        } else {
            return done;  // a code not yet defined: corrupt data
        }
        if (next == (1u << codeSize) && codeSize < 12) ++codeSize;
        previous = static_cast<int>(code);

        const std::uint64_t n = length[code];
        if (n <= width - x) {
            spell(code, row + x);
            x += n;
            if (x == width) {
                onRow();
                x = 0;
                if (++done == rows) return done;
            }
        } else {
            spell(code, spill);
            std::uint64_t from = 0;
            while (from < n) {
                const std::uint64_t take = std::min(n - from, width - x);
                std::memcpy(row + x, spill + from, static_cast<std::size_t>(take) * sizeof(Index));
                from += take;
                x += take;
                if (x == width) {
                    onRow();
                    x = 0;
                    if (++done == rows) return done;
                }
            }
        }
        partial = x;
    }
}

}  // namespace qv::detail
