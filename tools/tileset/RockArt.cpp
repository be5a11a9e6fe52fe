// Rocks: boulders in several stones and sizes, mossy and snowy ones, rock
// piles, ore and crystals.
#include <cmath>

#include "tools/tileset/Art.h"
#include "tools/tileset/Noise.h"
#include "tools/tileset/Painter.h"

namespace qv::tileset {
namespace {

int top(Ramp r) { return Palette::get().shades(r) - 1; }

// A faceted boulder: a lumpy ellipse with flat facets lit from the upper left.
void boulder(Painter& p, double cx, double cy, double rx, double ry, Ramp r, std::uint32_t seed) {
    const int lo = 1, hi = top(r) - 1;
    for (int y = static_cast<int>(cy - ry - 2); y <= cy + ry + 2; ++y)
        for (int x = static_cast<int>(cx - rx - 2); x <= cx + rx + 2; ++x) {
            const double nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - cy) / ry;
            const double a = std::atan2(ny, nx);
            const double bump = 1 + 0.08 * std::sin(a * 5 + seed) + 0.05 * std::sin(a * 9 + seed * 2);
            const double d = std::sqrt(nx * nx + ny * ny) / bump;
            if (d > 1) continue;
            // Quantise the normal into facets.
            const double fa = std::round(a / 0.9) * 0.9;
            const double fd = std::min(1.0, std::round(d * 2.5) / 2.5);
            const double fx = std::cos(fa) * fd, fy = std::sin(fa) * fd;
            const double nz = std::sqrt(std::max(0.0, 1 - fx * fx - fy * fy));
            const double lit = std::max(0.0, -0.55 * fx - 0.6 * fy + 0.58 * nz);
            p.lit(x, y, r, lo, hi, lit * 1.1);
        }
    // Cracks.
    p.line(static_cast<int>(cx), static_cast<int>(cy - ry * 0.3), static_cast<int>(cx + rx * 0.3), static_cast<int>(cy + ry * 0.2), C(r, lo));
}

void moss(Painter& p, double cx, double cy, double rx, double ry) {
    for (int y = static_cast<int>(cy - ry); y < cy; ++y)
        for (int x = static_cast<int>(cx - rx); x <= cx + rx; ++x)
            if (p.opaque(x, y) && valueNoise(x, y, 4, 7) > 0.45) p.px(x, y, C(Ramp::Grass, 4 + static_cast<int>(valueNoise(x, y, 4, 9) * 5)));
}

void snowCap(Painter& p, double cx, double cy, double rx, double ry) {
    for (int y = static_cast<int>(cy - ry - 1); y < cy - ry * 0.2; ++y)
        for (int x = static_cast<int>(cx - rx - 1); x <= cx + rx; ++x)
            if (p.opaque(x, y)) p.px(x, y, C(Ramp::Snow, y < cy - ry * 0.5 ? 7 : 5));
}

void crystal(Painter& p, Ramp r) {
    const double shards[][4] = {{16, 5, 4, 27}, {9, 12, 3, 27}, {23, 13, 3, 27}};
    for (const auto& s : shards) {
        const double x = s[0], y = s[1], w = s[2], b = s[3];
        p.polygon({{x - w, b}, {x - w, y + w}, {x, y}, {x + w, y + w}, {x + w, b}}, C(r, top(r) - 3));
        p.polygon({{x - w, b}, {x - w, y + w}, {x, y}, {x, b}}, C(r, top(r) - 1));
        p.vline(static_cast<int>(x) - 1, static_cast<int>(y) + 2, static_cast<int>(b) - 2, C(r, top(r)));
    }
    p.ellipse(16, 28, 12, 2.5, C(Ramp::Stone, 5));
    p.outline();
}

}  // namespace

void drawRocks(Canvas& canvas, int row) {
    int n = 0;
    auto cell = [&] { Painter p(canvas, n % 20, row + n / 20); ++n; return p; };
    const Ramp stones[] = {Ramp::Stone, Ramp::Sand, Ramp::Dirt, Ramp::Slate, Ramp::Grey};
    for (int i = 0; i < 5; ++i) {
        { Painter p = cell(); boulder(p, 16, 18, 12, 10, stones[i], 3 + i); p.outline(); }
        { Painter p = cell(); boulder(p, 16, 21, 8, 6.5, stones[i], 5 + i); p.outline(); }
        { Painter p = cell(); boulder(p, 11, 21, 7, 6, stones[i], 7 + i); boulder(p, 21, 23, 6, 5, stones[i], 8 + i); boulder(p, 16, 14, 5, 4, stones[i], 9 + i); p.outline(); }
        { Painter p = cell(); for (int k = 0; k < 6; ++k) boulder(p, 7 + random01(k, 0, i) * 18, 10 + random01(k, 1, i) * 15, 2.5, 2, stones[i], k); p.outline(); }
    }
    // Mossy and snowy boulders.
    for (int i = 0; i < 2; ++i) {
        { Painter p = cell(); boulder(p, 16, 18, 12, 10, Ramp::Stone, 21 + i); i == 0 ? moss(p, 16, 18, 12, 10) : snowCap(p, 16, 18, 12, 10); p.outline(); }
        { Painter p = cell(); boulder(p, 16, 21, 8, 6.5, Ramp::Stone, 23 + i); i == 0 ? moss(p, 16, 21, 8, 6.5) : snowCap(p, 16, 21, 8, 6.5); p.outline(); }
    }
    // Ore: veins of metal in grey rock.
    const Ramp ores[] = {Ramp::Gold, Ramp::Orange, Ramp::Water, Ramp::Red};
    for (int i = 0; i < 4; ++i) {
        Painter p = cell();
        boulder(p, 16, 18, 12, 10, Ramp::Stone, 31 + i);
        for (int k = 0; k < 5; ++k) {
            const int x = 8 + static_cast<int>(random01(k, i, 33) * 14), y = 12 + static_cast<int>(random01(k, i, 34) * 10);
            p.rect(x, y, 2, 2, C(ores[i], top(ores[i]) - 2));
            p.px(x, y, C(ores[i], top(ores[i])));
        }
        p.outline();
    }
    const Ramp crystals[] = {Ramp::Purple, Ramp::Water, Ramp::Red, Ramp::Lime, Ramp::Glass, Ramp::Pink};
    for (const Ramp r : crystals) { Painter p = cell(); crystal(p, r); }
    // Stalagmites.
    for (int i = 0; i < 2; ++i) {
        Painter p = cell();
        p.polygon({{8, 29}, {13, 4 + i * 6}, {18, 29}}, C(Ramp::Dirt, 5));
        p.polygon({{16, 29}, {21, 12 - i * 4}, {26, 29}}, C(Ramp::Dirt, 4));
        p.polygon({{8, 29}, {13, 4 + i * 6}, {12, 29}}, C(Ramp::Dirt, 7));
        p.outline();
    }
    // Big boulders, two cells wide, to finish the rows.
    while (n < 60) {
        const int col = n % 20;
        if (col + 1 < 20) {
            Painter p(canvas, col, row + n / 20, 2, 1);
            const int k = n / 2;
            boulder(p, 32, 16, 28, 12, stones[k % 5], 40 + k);
            if (k % 7 == 3) moss(p, 32, 16, 28, 12);
            if (k % 7 == 5) snowCap(p, 32, 16, 28, 12);
            p.outline();
            n += 2;
        } else {
            Painter p = cell();
            boulder(p, 16, 18, 12, 10, Ramp::Stone, 60);
            p.outline();
        }
    }
}

}  // namespace qv::tileset
