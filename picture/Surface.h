#pragma once
// A drawing surface: 32 bits per pixel, 0xFFRRGGBB, rows from the top down.
// The layout matches a 32-bit RGB image of the GUI toolkit, so the view can
// show it without a copy.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "picture/LargeBuffer.h"

namespace qv {

inline constexpr std::uint32_t kOpaque = 0xFF000000u;

inline constexpr std::uint32_t rgbPixel(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return kOpaque | (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | std::uint32_t{b};
}

struct Surface {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint32_t> pixels;

    Surface() = default;
    Surface(std::int32_t w, std::int32_t h, std::uint32_t fill) : width(w), height(h) {
        assignLarge(pixels, static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill);
    }

    std::uint32_t* row(std::int32_t y) { return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width); }
    const std::uint32_t* row(std::int32_t y) const {
        return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    }
    std::uint32_t at(std::int32_t x, std::int32_t y) const { return row(y)[x]; }
};

}  // namespace qv
