#include "tools/tileset/Painter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "tools/tileset/Noise.h"

namespace qv::tileset {
namespace {

// Picks a shade between lo and hi for brightness v in [0, 1], dithering
// between the two nearest shades.
std::uint8_t ditheredShade(Ramp ramp, int lo, int hi, double v, int x, int y) {
    v = std::clamp(v, 0.0, 1.0);
    const double pos = v * (hi - lo);
    const double frac = pos - std::floor(pos);
    // Keep most pixels on a flat shade: dither only near the middle of a step.
    const int step = (frac > 0.35 && frac < 0.65) ? (bayer4(x, y) < 0.5 ? 1 : 0) : (frac >= 0.65 ? 1 : 0);
    const int shade = lo + static_cast<int>(std::floor(pos)) + step;
    return C(ramp, std::clamp(shade, std::min(lo, hi), std::max(lo, hi)));
}

}  // namespace

void Painter::lit(int x, int y, Ramp ramp, int lo, int hi, double v) { px(x, y, ditheredShade(ramp, lo, hi, v, x, y)); }

void Painter::rect(int x, int y, int w, int h, std::uint8_t c) {
    for (int j = std::max(0, y); j < std::min(h_, y + h); ++j)
        for (int i = std::max(0, x); i < std::min(w_, x + w); ++i) px(i, j, c);
}

void Painter::frame(int x, int y, int w, int h, std::uint8_t c) {
    hline(x, x + w - 1, y, c);
    hline(x, x + w - 1, y + h - 1, c);
    vline(x, y, y + h - 1, c);
    vline(x + w - 1, y, y + h - 1, c);
}

void Painter::line(int x0, int y0, int x1, int y1, std::uint8_t c) {
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        px(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x0 += sx; }
        if (e2 <= dx) { err += dx; y0 += sy; }
    }
}

void Painter::ellipse(double cx, double cy, double rx, double ry, std::uint8_t c) {
    for (int y = static_cast<int>(cy - ry - 1); y <= cy + ry + 1; ++y)
        for (int x = static_cast<int>(cx - rx - 1); x <= cx + rx + 1; ++x) {
            const double nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - cy) / ry;
            if (nx * nx + ny * ny <= 1.0) px(x, y, c);
        }
}

void Painter::polygon(std::initializer_list<std::pair<double, double>> points, std::uint8_t c) {
    const std::vector<std::pair<double, double>> p(points);
    for (int y = 0; y < h_; ++y) {
        const double sy = y + 0.5;
        std::vector<double> xs;
        for (std::size_t i = 0; i < p.size(); ++i) {
            const auto [ax, ay] = p[i];
            const auto [bx, by] = p[(i + 1) % p.size()];
            if ((ay <= sy && by > sy) || (by <= sy && ay > sy)) xs.push_back(ax + (sy - ay) / (by - ay) * (bx - ax));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
            for (int x = static_cast<int>(std::ceil(xs[i] - 0.5)); x + 0.5 <= xs[i + 1]; ++x) px(x, y, c);
    }
}

void Painter::shadedEllipse(double cx, double cy, double rx, double ry, Ramp ramp, int lo, int hi) {
    const double lx = -0.5, ly = -0.62, lz = 0.6;
    const double len = std::sqrt(lx * lx + ly * ly + lz * lz);
    for (int y = static_cast<int>(cy - ry - 1); y <= cy + ry + 1; ++y)
        for (int x = static_cast<int>(cx - rx - 1); x <= cx + rx + 1; ++x) {
            const double nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - cy) / ry;
            const double d2 = nx * nx + ny * ny;
            if (d2 > 1.0) continue;
            const double nz = std::sqrt(1.0 - d2);
            const double lit = std::max(0.0, (nx * lx + ny * ly + nz * lz) / len);
            px(x, y, ditheredShade(ramp, lo, hi, 0.1 + 0.95 * lit, x, y));
        }
}

void Painter::shadedColumn(int x, int y, int w, int h, Ramp ramp, int lo, int hi) {
    for (int i = 0; i < w; ++i) {
        const double u = (i + 0.5) / w * 2 - 1;  // -1 at the left edge
        const double lit = std::max(0.0, -u * 0.55 + std::sqrt(std::max(0.0, 1 - u * u)) * 0.7);
        for (int j = 0; j < h; ++j) px(x + i, y + j, ditheredShade(ramp, lo, hi, lit, x + i, y + j));
    }
}

void Painter::gradient(int x, int y, int w, int h, Ramp ramp, int lo, int hi) {
    for (int j = 0; j < h; ++j) {
        const double v = h == 1 ? 1.0 : 1.0 - static_cast<double>(j) / (h - 1);
        for (int i = 0; i < w; ++i) px(x + i, y + j, ditheredShade(ramp, lo, hi, v, x + i, y + j));
    }
}

void Painter::texture(int x, int y, int w, int h, Ramp ramp, int lo, int hi, std::uint32_t seed) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) {
            const double n = fractalNoise(i, j, seed);
            px(i, j, ditheredShade(ramp, lo, hi, (n - 0.2) / 0.6, i, j));
        }
}

void Painter::speckle(int x, int y, int w, int h, std::uint8_t c, double density, std::uint32_t seed) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            if (random01(i, j, seed) < density) px(i, j, c);
}

void Painter::checker(int x, int y, int w, int h, std::uint8_t c, int phase) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            if (((i + j + phase) & 1) == 0) px(i, j, c);
}

void Painter::shiftShade(int x, int y, int w, int h, int delta) {
    const Palette& pal = Palette::get();
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) {
            const std::uint8_t c = get(i, j);
            if (c == kClear) continue;
            px(i, j, pal.at(pal.rampOf(c), pal.shadeOf(c) + delta));
        }
}

void Painter::recolour(std::uint8_t from, std::uint8_t to) {
    for (int j = 0; j < h_; ++j)
        for (int i = 0; i < w_; ++i)
            if (get(i, j) == from) px(i, j, to);
}

void Painter::outline() {
    const Palette& pal = Palette::get();
    std::vector<std::uint8_t> ink(static_cast<std::size_t>(w_) * h_, kClear);
    static constexpr int dirs[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            if (opaque(x, y)) continue;
            for (const auto& d : dirs) {
                const std::uint8_t n = get(x + d[0], y + d[1]);
                if (n == kClear) continue;
                // Dark ramps outline in ink so the edge still reads.
                const Ramp r = pal.rampOf(n);
                ink[static_cast<std::size_t>(y) * w_ + x] = (r == Ramp::Ink) ? C(Ramp::Ink, 0) : pal.at(r, 0);
                break;
            }
        }
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x)
            if (ink[static_cast<std::size_t>(y) * w_ + x] != kClear) px(x, y, ink[static_cast<std::size_t>(y) * w_ + x]);
}

void Painter::mirrorLeftToRight() {
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_ / 2; ++x) px(w_ - 1 - x, y, get(x, y));
}

void Painter::flipHorizontally() {
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_ / 2; ++x) {
            const std::uint8_t a = get(x, y), b = get(w_ - 1 - x, y);
            px(x, y, b);
            px(w_ - 1 - x, y, a);
        }
}

}  // namespace qv::tileset
