#include "tests/window/Pixels.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "picture/PictureFiles.h"
#include "tools/tileset/DefaultTileset.h"

namespace qv::test {

Surface surfaceOf(const Picture& picture) {
    Surface s(picture.width, picture.height, 0);
    for (std::size_t i = 0; i < s.pixels.size(); ++i)
        s.pixels[i] = rgbPixel(picture.rgb[3 * i], picture.rgb[3 * i + 1], picture.rgb[3 * i + 2]);
    return s;
}

const Surface& defaultTileset() {
    static const Surface tileset = [] {
        const auto picture = decodePicture(defaultTilesetGif());
        if (!picture) throw std::runtime_error("the default tileset does not decode");
        return surfaceOf(*picture);
    }();
    return tileset;
}

Surface crop(const Surface& source, int x, int y, int w, int h) {
    Surface s(w, h, 0);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (x + i >= 0 && y + j >= 0 && x + i < source.width && y + j < source.height)
                s.row(j)[i] = source.at(x + i, y + j);
    return s;
}

void stamp(Surface& target, const Surface& brush, int left, int top) {
    for (int j = 0; j < brush.height; ++j)
        for (int i = 0; i < brush.width; ++i) {
            const int x = left + i, y = top + j;
            if (x < 0 || y < 0 || x >= target.width || y >= target.height) continue;
            if (brush.at(i, j) != kWhite) target.row(y)[x] = brush.at(i, j);
        }
}

std::string colourText(std::uint32_t pixel) {
    char text[16];
    std::snprintf(text, sizeof text, "#%06X", pixel & 0xFFFFFFu);
    return text;
}

std::string differences(const Surface& shot, Point at, const Surface& expected) {
    int count = 0;
    std::string first;
    for (int j = 0; j < expected.height; ++j)
        for (int i = 0; i < expected.width; ++i) {
            const int x = at.x + i, y = at.y + j;
            const bool inside = x >= 0 && y >= 0 && x < shot.width && y < shot.height;
            const std::uint32_t got = inside ? shot.at(x, y) : 0;
            if (inside && (got & 0xFFFFFFu) == (expected.at(i, j) & 0xFFFFFFu)) continue;
            if (count++ == 0) {
                std::ostringstream where;
                where << '(' << i << ", " << j << ") shows " << (inside ? colourText(got) : "nothing")
                      << ", expected " << colourText(expected.at(i, j));
                first = where.str();
            }
        }
    if (count == 0) return {};
    return std::to_string(count) + " of " + std::to_string(expected.width * expected.height) +
           " pixels differ; first at " + first;
}

int countPixels(const Surface& shot, int x, int y, int w, int h, const std::function<bool(std::uint32_t)>& test) {
    int count = 0;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            if (i >= 0 && j >= 0 && i < shot.width && j < shot.height && test(shot.at(i, j))) ++count;
    return count;
}

bool isDark(std::uint32_t pixel) {
    return ((pixel >> 16) & 0xFF) < 128 && ((pixel >> 8) & 0xFF) < 128 && (pixel & 0xFF) < 128;
}

Bytes bmpHeader(int w, int h) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(w) * 3 + 3) / 4 * 4;
    const std::uint32_t image = stride * static_cast<std::uint32_t>(h);
    Bytes b(54, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int k = 0; k < 4; ++k) b[at + k] = static_cast<std::uint8_t>(v >> (8 * k));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, 54 + image);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(w));
    put32(22, static_cast<std::uint32_t>(h));
    b[26] = 1;
    b[28] = 24;
    put32(34, image);
    return b;
}

Surface bmpPixels(const Bytes& file, int w, int h) {
    const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) / 4 * 4;
    Surface s(w, h, 0);
    for (int y = 0; y < h; ++y) {
        const std::size_t row = 54 + stride * static_cast<std::size_t>(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const std::size_t at = row + 3 * static_cast<std::size_t>(x);
            if (at + 2 < file.size()) s.row(y)[x] = rgbPixel(file[at + 2], file[at + 1], file[at]);
        }
    }
    return s;
}

}  // namespace qv::test
