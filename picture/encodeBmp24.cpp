#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

#include "picture/LargeBuffer.h"
#include "picture/PictureFiles.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define QV_ENCODE_BMP_SSSE3 1
#endif

namespace qv {
namespace {

constexpr std::uint32_t kHeaderSize = 14 + 40;

// Rows are appended a band of about this many bytes at a time (see below).
constexpr std::uint64_t kBandBytes = std::uint64_t{128} << 10;

void put16(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::uint8_t* p, std::uint32_t v) {
    put16(p, v & 0xFFFFu);
    put16(p + 2, v >> 16);
}

void writeHeader(std::uint8_t* p, std::uint32_t width, std::uint32_t height, std::uint32_t imageSize) {
    p[0] = 'B';
    p[1] = 'M';
    put32(p + 2, kHeaderSize + imageSize);
    put32(p + 6, 0);
    put32(p + 10, kHeaderSize);
    put32(p + 14, 40);
    put32(p + 18, width);
    put32(p + 22, height);
    put16(p + 26, 1);
    put16(p + 28, 24);
    put32(p + 30, 0);
    put32(p + 34, imageSize);
    std::memset(p + 38, 0, 16);
}

#ifdef QV_ENCODE_BMP_SSSE3
bool haveSsse3() {
    static const bool have = __builtin_cpu_supports("ssse3");
    return have;
}

// Sixteen pixels (64 bytes) in, 48 bytes out per step: each group of four is
// packed to twelve bytes and shifted into place by its own shuffle, so every
// store is a whole 16 bytes inside the row. Returns the pixels done.
__attribute__((target("ssse3"))) std::uint64_t pixelsToBgrSsse3(const std::uint32_t* src, std::uint8_t* dst,
                                                                 std::uint64_t width) {
    const __m128i packLow = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    const __m128i bHead = _mm_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 0, 1, 2, 4);
    const __m128i bTail = _mm_setr_epi8(5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1, -1, -1, -1, -1);
    const __m128i cHead = _mm_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, 0, 1, 2, 4, 5, 6, 8, 9);
    const __m128i cTail = _mm_setr_epi8(10, 12, 13, 14, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
    const __m128i dAll = _mm_setr_epi8(-1, -1, -1, -1, 0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14);
    std::uint64_t x = 0;
    for (; x + 16 <= width; x += 16, src += 16, dst += 48) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 4));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 8));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 12));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst),
                         _mm_or_si128(_mm_shuffle_epi8(a, packLow), _mm_shuffle_epi8(b, bHead)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 16),
                         _mm_or_si128(_mm_shuffle_epi8(b, bTail), _mm_shuffle_epi8(c, cHead)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 32),
                         _mm_or_si128(_mm_shuffle_epi8(c, cTail), _mm_shuffle_epi8(d, dAll)));
    }
    return x;
}
#endif

// One row of 0xAARRGGBB pixels to blue-green-red bytes.
void pixelsToBgr(const std::uint32_t* src, std::uint8_t* dst, std::uint64_t width) {
    std::uint64_t x = 0;
#ifdef QV_ENCODE_BMP_SSSE3
    if (haveSsse3()) x = pixelsToBgrSsse3(src, dst, width);
    src += x;
    dst += 3 * x;
#endif
    if constexpr (std::endian::native == std::endian::little) {
        // Four pixels to three 32-bit words: b0 g0 r0 b1 | g1 r1 b2 g2 | r2 b3 g3 r3.
        for (; x + 4 <= width; x += 4, src += 4, dst += 12) {
            const std::uint32_t w0 = (src[0] & 0xFFFFFFu) | (src[1] << 24);
            const std::uint32_t w1 = ((src[1] >> 8) & 0xFFFFu) | (src[2] << 16);
            const std::uint32_t w2 = ((src[2] >> 16) & 0xFFu) | (src[3] << 8);
            std::memcpy(dst, &w0, 4);
            std::memcpy(dst + 4, &w1, 4);
            std::memcpy(dst + 8, &w2, 4);
        }
    }
    for (; x < width; ++x, ++src, dst += 3) {
        dst[0] = static_cast<std::uint8_t>(*src);
        dst[1] = static_cast<std::uint8_t>(*src >> 8);
        dst[2] = static_cast<std::uint8_t>(*src >> 16);
    }
}

// Where the rows lie in the file; a zero fileSize when the surface cannot be
// written.
struct Bmp24Layout {
    std::uint64_t rowBytes = 0;
    std::uint64_t stride = 0;
    std::uint64_t imageSize = 0;
    std::uint64_t fileSize = 0;
};

Bmp24Layout layoutOf(const Surface& surface) {
    const std::int64_t w = surface.width;
    const std::int64_t h = surface.height;
    if (w < 1 || h < 1 || surface.pixels.size() < static_cast<std::uint64_t>(w * h)) return {};
    Bmp24Layout layout;
    layout.rowBytes = static_cast<std::uint64_t>(w) * 3;
    layout.stride = (layout.rowBytes + 3) / 4 * 4;
    layout.imageSize = layout.stride * static_cast<std::uint64_t>(h);
    // The size fields are 32 bits wide; a surface whose file would not fit
    // them cannot be written truthfully.
    if (layout.imageSize + kHeaderSize > 0xFFFFFFFFull) return {};
    layout.fileSize = layout.imageSize + kHeaderSize;
    return layout;
}

void encodeRows(const Surface& surface, const Bmp24Layout& layout, std::int32_t firstFileRow, std::int32_t rowCount,
                std::uint8_t* out) {
    const auto width = static_cast<std::uint64_t>(surface.width);
    std::int32_t y = surface.height - 1 - firstFileRow;  // file rows run bottom-up
    for (std::int32_t i = 0; i < rowCount; ++i, --y, out += layout.stride) {
        pixelsToBgr(surface.row(y), out, width);
        std::memset(out + layout.rowBytes, 0, layout.stride - layout.rowBytes);
    }
}

std::uint8_t channelOf(std::uint32_t pixel, std::uint64_t channel) {
    return static_cast<std::uint8_t>(pixel >> (8 * channel));  // blue, green, red
}

// Bytes [from, from + n) of one file row, for a piece that cuts through it:
// whole pixels go the fast way, the odd bytes either side one at a time.
void encodeRowPart(const std::uint32_t* pixels, const Bmp24Layout& layout, std::uint64_t from, std::uint64_t n,
                   std::uint8_t* out) {
    std::uint64_t i = from;
    const std::uint64_t end = from + n;
    const std::uint64_t pixelEnd = std::min(end, layout.rowBytes);
    for (; i < pixelEnd && i % 3 != 0; ++i) *out++ = channelOf(pixels[i / 3], i % 3);
    if (i < pixelEnd) {
        const std::uint64_t whole = (pixelEnd - i) / 3;
        pixelsToBgr(pixels + i / 3, out, whole);
        out += 3 * whole;
        i += 3 * whole;
    }
    for (; i < pixelEnd; ++i) *out++ = channelOf(pixels[i / 3], i % 3);
    for (; i < end; ++i) *out++ = 0;  // row padding
}

}  // namespace

std::uint64_t bmp24FileSize(const Surface& surface) { return layoutOf(surface).fileSize; }

void writeBmp24Header(const Surface& surface, std::uint8_t* out54) {
    const Bmp24Layout layout = layoutOf(surface);
    writeHeader(out54, static_cast<std::uint32_t>(surface.width), static_cast<std::uint32_t>(surface.height),
                static_cast<std::uint32_t>(layout.imageSize));
}

void encodeBmp24Rows(const Surface& surface, std::int32_t firstFileRow, std::int32_t rowCount, std::uint8_t* out) {
    const Bmp24Layout layout = layoutOf(surface);
    // Rows outside the surface have no pixels to give.
    if (layout.fileSize == 0 || firstFileRow < 0 || rowCount < 0 || rowCount > surface.height - firstFileRow) return;
    encodeRows(surface, layout, firstFileRow, rowCount, out);
}

bool encodeBmp24Part(const Surface& surface, std::uint64_t offset, std::uint64_t length, std::uint8_t* out) {
    const Bmp24Layout layout = layoutOf(surface);
    if (layout.fileSize == 0 || offset > layout.fileSize || length > layout.fileSize - offset) return false;
    const std::uint64_t end = offset + length;
    if (offset < kHeaderSize) {
        std::uint8_t header[kHeaderSize];
        writeBmp24Header(surface, header);
        const std::uint64_t n = std::min<std::uint64_t>(kHeaderSize, end) - offset;
        std::memcpy(out, header + offset, static_cast<std::size_t>(n));
        out += n;
        offset += n;
    }
    while (offset < end) {
        const std::uint64_t fromRows = offset - kHeaderSize;
        const auto row = static_cast<std::int32_t>(fromRows / layout.stride);
        const std::uint64_t within = fromRows % layout.stride;
        if (within == 0 && end - offset >= layout.stride) {
            const auto rows = static_cast<std::int32_t>((end - offset) / layout.stride);
            encodeRows(surface, layout, row, rows, out);
            out += static_cast<std::uint64_t>(rows) * layout.stride;
            offset += static_cast<std::uint64_t>(rows) * layout.stride;
            continue;
        }
        const std::uint64_t n = std::min(layout.stride - within, end - offset);
        encodeRowPart(surface.row(surface.height - 1 - row), layout, within, n, out);
        out += n;
        offset += n;
    }
    return true;
}

Bytes encodeBmp24(const Surface& surface) {
    const Bmp24Layout layout = layoutOf(surface);
    if (layout.fileSize == 0) return {};

    Bytes out;
    try {
        out.reserve(static_cast<std::size_t>(layout.fileSize));
    } catch (const std::bad_alloc&) {
        return {};
    }
    prepareLargeBuffer(out.data(), out.capacity());
    out.resize(kHeaderSize);
    writeBmp24Header(surface, out.data());

    // A vector zero-fills what it grows by. Growing a cache-sized band at a
    // time keeps that fill in cache, where the pixel bytes overwrite it, so
    // memory is written once.
    const auto bandRows = static_cast<std::int32_t>(std::max<std::uint64_t>(1, kBandBytes / layout.stride));
    for (std::int32_t fileRow = 0; fileRow < surface.height;) {
        const std::int32_t rows = std::min(bandRows, surface.height - fileRow);
        out.resize(out.size() + static_cast<std::size_t>(static_cast<std::uint64_t>(rows) * layout.stride));
        encodeRows(surface, layout, fileRow, rows,
                   out.data() + (out.size() - static_cast<std::uint64_t>(rows) * layout.stride));
        fileRow += rows;
    }
    return out;
}

}  // namespace qv
