#pragma once
// The sheet as palette indices, one byte per pixel, rows from the top.
#include <cstdint>
#include <vector>

#include "tools/tileset/Palette.h"

namespace qv::tileset {

inline constexpr int kCell = 32;
inline constexpr int kColumns = 20;
inline constexpr int kRows = 44;

class Canvas {
public:
    Canvas(int width, int height, std::uint8_t fill = kClear)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<std::uint8_t>& pixels() const { return pixels_; }

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    std::uint8_t at(int x, int y) const { return contains(x, y) ? pixels_[index(x, y)] : kClear; }
    void set(int x, int y, std::uint8_t c) {
        if (contains(x, y)) pixels_[index(x, y)] = c;
    }

    // Copies one cell onto another, optionally mirrored left to right.
    void copyCell(int fromCol, int fromRow, int toCol, int toRow, bool mirror = false);

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
    int width_, height_;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace qv::tileset
