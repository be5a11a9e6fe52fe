#pragma once
// Turns one row of device-independent bitmap pixels (BMP files and icon
// images) into red-green-blue bytes. Callers check once per row that the
// source row is all there; these loops then run without per-pixel checks.
#include <cstdint>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define QV_DIB_ROW_SSSE3 1
#endif

namespace qv::detail {

// A colour table of up to 256 entries. Entries the file does not supply stay
// black, so every 8-bit index has a defined colour.
struct Palette {
    std::uint8_t rgb[256][3] = {};
};

// Reads a colour table of four-byte entries (blue, green, red, unused); the
// caller has checked that `entries` entries (at most 256) are there.
// Entries beyond the table stay black.
inline Palette readBgrxPalette(const std::uint8_t* table, std::uint64_t entries) {
    Palette palette;
    for (std::uint64_t i = 0; i < entries && i < 256; ++i) {
        palette.rgb[i][0] = table[4 * i + 2];
        palette.rgb[i][1] = table[4 * i + 1];
        palette.rgb[i][2] = table[4 * i];
    }
    return palette;
}

// Bytes that hold `width` pixels of `bits` bits, without row padding.
inline std::uint64_t dibRowBytes(std::uint64_t width, unsigned bits) { return (width * bits + 7) / 8; }

// The padded row length: the next multiple of 4 bytes.
inline std::uint64_t dibStride(std::uint64_t width, unsigned bits) { return (width * bits + 31) / 32 * 4; }

inline void putColour(std::uint8_t* dst, const std::uint8_t* colour) {
    dst[0] = colour[0];
    dst[1] = colour[1];
    dst[2] = colour[2];
}

#ifdef QV_DIB_ROW_SSSE3
// Byte shuffles swap blue and red several pixels at a time. Each step loads
// and stores 16 bytes but advances by fewer, so the loops stop while 16 bytes
// remain in both rows; the caller finishes the row pixel by pixel.

// Five 24-bit pixels (15 bytes) per step. Returns the pixels done.
__attribute__((target("ssse3"))) inline std::uint64_t swapBgr24Ssse3(const std::uint8_t* src, std::uint8_t* dst,
                                                                      std::uint64_t width) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
    std::uint64_t x = 0;
    for (; x + 6 <= width; x += 5, src += 15, dst += 15)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst),
                         _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src)), order));
    return x;
}

// Four 32-bit pixels (12 bytes out) per step. Returns the pixels done.
__attribute__((target("ssse3"))) inline std::uint64_t swapBgrx32Ssse3(const std::uint8_t* src, std::uint8_t* dst,
                                                                       std::uint64_t width) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    std::uint64_t x = 0;
    for (; x + 6 <= width; x += 4, src += 16, dst += 12)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst),
                         _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(src)), order));
    return x;
}

inline bool haveSsse3() {
    static const bool have = __builtin_cpu_supports("ssse3");
    return have;
}
#endif

// bits is 1, 4, 8, 24 or 32.
inline void dibRowToRgb(const std::uint8_t* src, std::uint8_t* dst, std::uint64_t width, unsigned bits,
                        const Palette& palette) {
    switch (bits) {
        case 24: {
            std::uint64_t x = 0;
#ifdef QV_DIB_ROW_SSSE3
            if (haveSsse3()) {
                x = swapBgr24Ssse3(src, dst, width);
                src += 3 * x;
                dst += 3 * x;
            }
#endif
            // Four pixels at a time: three 32-bit words of blue-green-red in,
            // three of red-green-blue out.
            for (; x + 4 <= width; x += 4, src += 12, dst += 12) {
                std::uint32_t a, b, c;
                std::memcpy(&a, src, 4);      // b0 g0 r0 b1
                std::memcpy(&b, src + 4, 4);  // g1 r1 b2 g2
                std::memcpy(&c, src + 8, 4);  // r2 b3 g3 r3
                const std::uint32_t oa = ((a >> 16) & 0xFF) | (a & 0xFF00) | ((a & 0xFF) << 16) | ((b & 0xFF00) << 16);
                const std::uint32_t ob = (b & 0xFF) | ((a >> 16) & 0xFF00) | ((c & 0xFF) << 16) | ((b & 0xFF000000));
                const std::uint32_t oc = ((b >> 16) & 0xFF) | ((c >> 16) & 0xFF00) | (c & 0xFF0000) | ((c & 0xFF00) << 16);
                std::memcpy(dst, &oa, 4);      // r0 g0 b0 r1
                std::memcpy(dst + 4, &ob, 4);  // g1 b1 r2 g2
                std::memcpy(dst + 8, &oc, 4);  // b2 r3 g3 b3
            }
            for (; x < width; ++x, src += 3, dst += 3) {
                dst[0] = src[2];
                dst[1] = src[1];
                dst[2] = src[0];
            }
            return;
        }
        case 32: {
            std::uint64_t x = 0;
#ifdef QV_DIB_ROW_SSSE3
            if (haveSsse3()) {
                x = swapBgrx32Ssse3(src, dst, width);
                src += 4 * x;
                dst += 3 * x;
            }
#endif
            for (; x < width; ++x, src += 4, dst += 3) {
                dst[0] = src[2];
                dst[1] = src[1];
                dst[2] = src[0];
            }
            return;
        }
        case 8:
            for (std::uint64_t x = 0; x < width; ++x, dst += 3) putColour(dst, palette.rgb[src[x]]);
            return;
        case 4: {
            std::uint64_t x = 0;
            for (; x + 2 <= width; x += 2, ++src, dst += 6) {
                putColour(dst, palette.rgb[*src >> 4]);
                putColour(dst + 3, palette.rgb[*src & 0x0F]);
            }
            if (x < width) putColour(dst, palette.rgb[*src >> 4]);
            return;
        }
        case 1: {
            for (std::uint64_t x = 0; x < width; ++src) {
                const unsigned byte = *src;
                for (int bit = 7; bit >= 0 && x < width; --bit, ++x, dst += 3) putColour(dst, palette.rgb[(byte >> bit) & 1]);
            }
            return;
        }
        default: return;
    }
}

}  // namespace qv::detail
