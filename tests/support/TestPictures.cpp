#include "tests/support/TestPictures.h"

#include "picture/PictureFiles.h"

namespace qv::test {

std::uint32_t patternPixel(std::int32_t x, std::int32_t y) {
    const auto r = static_cast<std::uint8_t>(x * 7 + y * 3);
    const auto g = static_cast<std::uint8_t>(x * 5 + y * 11 + 40);
    const auto b = static_cast<std::uint8_t>((x ^ y) * 13 + 1);
    return rgbPixel(r, g, b);
}

Surface makeSurface(std::int32_t width, std::int32_t height,
                    const std::function<std::uint32_t(std::int32_t, std::int32_t)>& colour) {
    Surface surface(width, height, kOpaque);
    for (std::int32_t y = 0; y < height; ++y)
        for (std::int32_t x = 0; x < width; ++x) surface.row(y)[x] = colour(x, y);
    return surface;
}

Bytes makeBmp(std::int32_t width, std::int32_t height,
              const std::function<std::uint32_t(std::int32_t, std::int32_t)>& colour) {
    return encodeBmp24(makeSurface(width, height, colour));
}

const Bytes& testTilesetPicture() {
    static const Bytes tileset = makeBmp(640, 1408, [](std::int32_t x, std::int32_t y) {
        const std::int32_t column = x / 32;
        const std::int32_t row = y / 32;
        return rgbPixel(static_cast<std::uint8_t>(column * 12), static_cast<std::uint8_t>(row * 5),
                        static_cast<std::uint8_t>(100 + (column + row) % 2 * 50));
    });
    return tileset;
}

}  // namespace qv::test
