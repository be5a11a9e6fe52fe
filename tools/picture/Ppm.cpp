#include "tools/picture/Ppm.h"

#include <cstdio>
#include <new>
#include <string>

namespace qv {
namespace {

bool isSpace(std::uint8_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// Reads one header number, skipping whitespace and comments before it.
// Stops accumulating above `limit` so that long digit runs cannot overflow.
std::optional<std::uint64_t> readNumber(std::span<const std::uint8_t> b, std::size_t& at, std::uint64_t limit) {
    for (;;) {
        if (at >= b.size()) return std::nullopt;
        if (isSpace(b[at])) {
            ++at;
        } else if (b[at] == '#') {
            while (at < b.size() && b[at] != '\n' && b[at] != '\r') ++at;
        } else {
            break;
        }
    }
    if (b[at] < '0' || b[at] > '9') return std::nullopt;
    std::uint64_t value = 0;
    while (at < b.size() && b[at] >= '0' && b[at] <= '9') {
        value = value * 10 + (b[at] - '0');
        if (value > limit) return std::nullopt;
        ++at;
    }
    return value;
}

}  // namespace

std::optional<Surface> readPpm(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 2 || bytes[0] != 'P' || bytes[1] != '6') return std::nullopt;
    std::size_t at = 2;
    const auto width = readNumber(bytes, at, kMaxPicturePixels);
    if (!width) return std::nullopt;
    const auto height = readNumber(bytes, at, kMaxPicturePixels);
    if (!height) return std::nullopt;
    const auto maxval = readNumber(bytes, at, 255);
    if (!maxval) return std::nullopt;
    // Exactly one whitespace byte ends the header.
    if (at >= bytes.size() || !isSpace(bytes[at])) return std::nullopt;
    ++at;
    if (*width < 1 || *height < 1 || *maxval < 1) return std::nullopt;
    const std::uint64_t pixels = *width * *height;
    if (pixels > kMaxPicturePixels) return std::nullopt;
    if (bytes.size() - at < pixels * 3) return std::nullopt;

    try {
        Surface surface(static_cast<std::int32_t>(*width), static_cast<std::int32_t>(*height), kOpaque);
        const std::uint8_t* src = bytes.data() + at;
        const unsigned top = static_cast<unsigned>(*maxval);
        const auto scale = [top](unsigned v) -> std::uint8_t {
            if (v >= top) return 255;
            return static_cast<std::uint8_t>((v * 255 + top / 2) / top);
        };
        std::uint32_t* dst = surface.pixels.data();
        if (top == 255) {
            for (std::uint64_t i = 0; i < pixels; ++i, src += 3) dst[i] = rgbPixel(src[0], src[1], src[2]);
        } else {
            for (std::uint64_t i = 0; i < pixels; ++i, src += 3)
                dst[i] = rgbPixel(scale(src[0]), scale(src[1]), scale(src[2]));
        }
        return surface;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

Bytes writePpm(const Picture& picture) {
    const std::uint64_t size = static_cast<std::uint64_t>(picture.width < 0 ? 0 : picture.width) *
                               static_cast<std::uint64_t>(picture.height < 0 ? 0 : picture.height) * 3;
    if (picture.rgb.size() < size) return {};
    char header[48];
    const int length = std::snprintf(header, sizeof header, "P6\n%d %d\n255\n", picture.width, picture.height);
    try {
        Bytes out;
        out.reserve(static_cast<std::size_t>(length) + picture.rgb.size());
        out.insert(out.end(), header, header + length);
        out.insert(out.end(), picture.rgb.begin(), picture.rgb.begin() + static_cast<std::ptrdiff_t>(size));
        return out;
    } catch (const std::bad_alloc&) {
        return {};
    }
}

}  // namespace qv
