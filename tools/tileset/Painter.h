#pragma once
// Small drawing helpers over one rectangle of cells. Coordinates are local to
// that rectangle and nothing is drawn outside it, so one piece of art never
// spills into its neighbour's cell.
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "tools/tileset/Canvas.h"

namespace qv::tileset {

class Painter {
public:
    Painter(Canvas& canvas, int col, int row, int cols = 1, int rows = 1)
        : canvas_(canvas), x0_(col * kCell), y0_(row * kCell), w_(cols * kCell), h_(rows * kCell) {}

    int width() const { return w_; }
    int height() const { return h_; }

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
    std::uint8_t get(int x, int y) const { return inside(x, y) ? canvas_.at(x0_ + x, y0_ + y) : kClear; }
    bool opaque(int x, int y) const { return get(x, y) != kClear; }
    void px(int x, int y, std::uint8_t c) {
        if (inside(x, y)) canvas_.set(x0_ + x, y0_ + y, c);
    }

    void rect(int x, int y, int w, int h, std::uint8_t c);
    void frame(int x, int y, int w, int h, std::uint8_t c);
    void hline(int x0, int x1, int y, std::uint8_t c) { rect(x0, y, x1 - x0 + 1, 1, c); }
    void vline(int x, int y0, int y1, std::uint8_t c) { rect(x, y0, 1, y1 - y0 + 1, c); }
    void line(int x0, int y0, int x1, int y1, std::uint8_t c);
    void ellipse(double cx, double cy, double rx, double ry, std::uint8_t c);
    void polygon(std::initializer_list<std::pair<double, double>> points, std::uint8_t c);

    // One pixel at brightness v in [0, 1] of shades lo..hi, dithered.
    void lit(int x, int y, Ramp ramp, int lo, int hi, double v);
    // A ball lit from the upper left, shades lo..hi of a ramp, dithered.
    void shadedEllipse(double cx, double cy, double rx, double ry, Ramp ramp, int lo, int hi);
    // A box shaded like a cylinder standing upright (light from the left).
    void shadedColumn(int x, int y, int w, int h, Ramp ramp, int lo, int hi);
    // Vertical gradient from top (hi) to bottom (lo).
    void gradient(int x, int y, int w, int h, Ramp ramp, int lo, int hi);
    // Periodic noise texture in shades lo..hi; tiles every 32 pixels.
    void texture(int x, int y, int w, int h, Ramp ramp, int lo, int hi, std::uint32_t seed);
    // Single pixels of colour c scattered with the given density.
    void speckle(int x, int y, int w, int h, std::uint8_t c, double density, std::uint32_t seed);
    // Every other pixel in a checkerboard: a 50% dither.
    void checker(int x, int y, int w, int h, std::uint8_t c, int phase = 0);

    // Only recolours pixels already drawn, shading by ramp: shade += delta.
    void shiftShade(int x, int y, int w, int h, int delta);
    // Replaces every pixel of colour `from` with `to` in the rectangle.
    void recolour(std::uint8_t from, std::uint8_t to);

    // Wraps every opaque shape in a one-pixel dark outline drawn on the
    // transparent pixels beside it (in the darkest shade of its own ramp).
    void outline();
    // Mirrors the left half onto the right half.
    void mirrorLeftToRight();
    // Mirrors the whole rectangle left to right.
    void flipHorizontally();

private:
    Canvas& canvas_;
    int x0_, y0_, w_, h_;
};

}  // namespace qv::tileset
