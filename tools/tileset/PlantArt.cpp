// Rows 2-5: trees (two cells wide and tall, or one wide and two tall), then
// bushes, flowers, crops and other small plants, one cell each.
#include <cmath>

#include "tools/tileset/Art.h"
#include "tools/tileset/Foliage.h"
#include "tools/tileset/Noise.h"
#include "tools/tileset/Painter.h"

namespace qv::tileset {
namespace {

void trunk(Painter& p, int cx, int top, int bottom, int halfWidth) {
    p.shadedColumn(cx - halfWidth, top, halfWidth * 2, bottom - top, Ramp::Wood, 1, 6);
    // Roots flare out at the base.
    p.rect(cx - halfWidth - 1, bottom - 3, 1, 3, C(Ramp::Wood, 3));
    p.rect(cx + halfWidth, bottom - 3, 1, 3, C(Ramp::Wood, 2));
    p.px(cx - halfWidth - 2, bottom - 1, C(Ramp::Wood, 3));
    p.px(cx + halfWidth + 1, bottom - 1, C(Ramp::Wood, 1));
    for (int y = top + 2; y < bottom - 2; y += 3) p.px(cx - halfWidth + 1 + (y % 2), y, C(Ramp::Wood, 2));
}

void roundTree(Painter& p, Ramp leaves, int lo, int hi, std::uint32_t seed) {
    trunk(p, 32, 36, 61, 4);
    drawFoliage(p, 32, 26, 28, 24, {leaves, lo, hi, seed});
    p.outline();
}

void pine(Painter& p, int cx, int top, int bottom, int halfWidth, bool snowy, std::uint32_t seed) {
    p.shadedColumn(cx - 2, bottom - 8, 4, 7, Ramp::Wood, 1, 5);
    const int tiers = 4;
    const int tierHeight = (bottom - 8 - top) / tiers + 3;
    for (int t = 0; t < tiers; ++t) {
        const int y0 = top + t * (tierHeight - 4);
        const int y1 = y0 + tierHeight + 2;
        const double wBottom = halfWidth * (0.45 + 0.55 * (t + 1) / tiers);
        for (int y = y0; y <= y1; ++y) {
            const double f = static_cast<double>(y - y0) / (y1 - y0);
            double hw = 1 + wBottom * f;
            // Jagged lower edge of each tier.
            if (y >= y1 - 2) hw -= ((y - (y1 - 2)) * 2) * (0.5 + 0.5 * std::sin(y * 3.1));
            for (int x = static_cast<int>(std::floor(cx - hw)); x <= cx + hw; ++x) {
                const double u = (x + 0.5 - cx) / (hw + 0.01);
                double v = 0.62 - 0.45 * u - 0.35 * f + (random01(x, y, seed) - 0.5) * 0.15;
                if (snowy && (f < 0.3 || (f < 0.5 && u < 0))) {
                    p.lit(x, y, Ramp::Snow, 3, 7, v + 0.25);
                } else {
                    p.lit(x, y, Ramp::Leaf, 0, 7, v);
                }
            }
        }
    }
    p.outline();
}

void palm(Painter& p) {
    // A curved, ringed trunk.
    for (int y = 20; y < 62; ++y) {
        const double cx = 30 + 6 * std::pow((62 - y) / 42.0, 2);
        for (int x = static_cast<int>(cx) - 3; x <= cx + 2; ++x)
            p.lit(x, y, Ramp::Wood, 3, 8, ((y % 4) == 0 ? 0.2 : 0.75) - (x - cx) * 0.15);
    }
    const double pi = 3.14159265;
    for (int f = 0; f < 7; ++f) {
        const double a = pi + pi * f / 6.0;
        for (int k = 0; k < 24; ++k) {
            const double t = k / 24.0;
            const double x = 36 + std::cos(a) * 26 * t, y = 20 + std::sin(a) * 14 * t + 20 * t * t;
            const double w = 3.2 * std::sin(pi * std::min(1.0, t * 1.1));
            for (int j = static_cast<int>(-w); j <= w; ++j) p.lit(static_cast<int>(x), static_cast<int>(y + j), Ramp::Grass, 2, 9, 0.75 - j * 0.12 - t * 0.3);
        }
    }
    p.shadedEllipse(33, 22, 3, 3, Ramp::Wood, 1, 5);
    p.shadedEllipse(38, 23, 3, 3, Ramp::Wood, 1, 5);
    p.outline();
}

void deadTree(Painter& p) {
    trunk(p, 32, 24, 61, 4);
    const int branches[][4] = {{32, 28, 14, 10}, {32, 26, 50, 8}, {20, 16, 12, 4}, {44, 14, 54, 6},
                               {30, 22, 26, 4}, {34, 20, 40, 2}, {16, 12, 20, 6}};
    for (const auto& b : branches) {
        p.line(b[0], b[1], b[2], b[3], C(Ramp::Wood, 4));
        p.line(b[0], b[1] + 1, b[2], b[3] + 1, C(Ramp::Wood, 2));
    }
    p.outline();
}

void birch(Painter& p) {
    p.rect(13, 28, 6, 34, C(Ramp::Parchment, 4));
    p.rect(13, 28, 2, 34, C(Ramp::Parchment, 5));
    p.rect(17, 28, 2, 34, C(Ramp::Parchment, 2));
    for (int y = 30; y < 60; y += 5) p.hline(14 + (y % 3), 15 + (y % 3), y, C(Ramp::Ink, 2));
    drawFoliage(p, 16, 20, 13, 18, {Ramp::Lime, 0, 5, 31});
    p.outline();
}

void poplar(Painter& p) {
    trunk(p, 16, 50, 61, 2);
    drawFoliage(p, 16, 28, 9, 24, {Ramp::Leaf, 1, 8, 41, 0.5});
    p.outline();
}

void youngTree(Painter& p, Ramp leaves, int lo, int hi, std::uint32_t seed) {
    trunk(p, 16, 38, 61, 2);
    drawFoliage(p, 16, 26, 14, 15, {leaves, lo, hi, seed});
    p.outline();
}

void cactus(Painter& p) {
    p.shadedColumn(12, 16, 8, 46, Ramp::Grass, 2, 8);
    p.shadedColumn(4, 30, 5, 14, Ramp::Grass, 2, 8);
    p.rect(4, 42, 9, 4, C(Ramp::Grass, 5));
    p.shadedColumn(23, 24, 5, 12, Ramp::Grass, 2, 8);
    p.rect(19, 34, 8, 4, C(Ramp::Grass, 4));
    p.ellipse(16, 17, 4, 2, C(Ramp::Grass, 7));
    for (int y = 20; y < 60; y += 5) p.px(14, y, C(Ramp::Snow, 6));
    p.shadedEllipse(16, 14, 2.5, 2.5, Ramp::Pink, 3, 7);
    p.outline();
}

void bush(Painter& p, Ramp r, int lo, int hi, std::uint32_t seed, Ramp dots = Ramp::Count, int dotShade = 0) {
    drawFoliage(p, 16, 19, 13, 10, {r, lo, hi, seed});
    if (dots != Ramp::Count) dotFoliage(p, 16, 19, 13, 10, dots, dotShade, 9, seed + 3);
    p.outline();
}

void flowerPatch(Painter& p, Ramp petals, std::uint32_t seed) {
    for (int i = 0; i < 9; ++i) {
        const int x = 6 + static_cast<int>(random01(i, 0, seed) * 20), y = 10 + static_cast<int>(random01(i, 1, seed) * 16);
        p.vline(x, y, y + 5, C(Ramp::Grass, 4));
        p.px(x + 1, y + 3, C(Ramp::Grass, 7));
        const int top = Palette::get().shades(petals) - 2;
        p.px(x, y - 1, C(petals, top));
        p.px(x - 1, y, C(petals, top - 1));
        p.px(x + 1, y, C(petals, top - 2));
        p.px(x, y + 1, C(petals, top - 3));
        p.px(x, y, C(Ramp::Gold, 8));
    }
    p.outline();
}

void sunflower(Painter& p) {
    p.vline(16, 12, 29, C(Ramp::Grass, 4));
    p.vline(17, 12, 29, C(Ramp::Grass, 2));
    p.ellipse(12, 20, 4, 2, C(Ramp::Grass, 6));
    p.ellipse(21, 24, 4, 2, C(Ramp::Grass, 5));
    p.shadedEllipse(16, 9, 7, 7, Ramp::Gold, 4, 9);
    p.shadedEllipse(16, 9, 3, 3, Ramp::Wood, 1, 4);
    p.outline();
}

void mushrooms(Painter& p, Ramp cap, bool spots) {
    const double spots3[][3] = {{12, 18, 7}, {22, 22, 5}, {7, 25, 3.5}};
    for (const auto& m : spots3) {
        const double x = m[0], y = m[1], r = m[2];
        p.shadedColumn(static_cast<int>(x - r / 3), static_cast<int>(y), static_cast<int>(r / 1.5) + 1, static_cast<int>(r * 1.2), Ramp::Parchment, 2, 5);
        p.shadedEllipse(x, y, r, r * 0.7, cap, 2, Palette::get().shades(cap) - 2);
        p.rect(static_cast<int>(x - r), static_cast<int>(y) + 1, static_cast<int>(2 * r) + 1, 10, kClear);
        p.shadedColumn(static_cast<int>(x - r / 3), static_cast<int>(y), static_cast<int>(r / 1.5) + 1, static_cast<int>(r * 1.2), Ramp::Parchment, 2, 5);
        if (spots) {
            p.px(static_cast<int>(x - r / 2), static_cast<int>(y - r / 3), C(Ramp::Snow, 7));
            p.px(static_cast<int>(x + r / 3), static_cast<int>(y - r / 2), C(Ramp::Snow, 7));
            p.px(static_cast<int>(x), static_cast<int>(y - 1), C(Ramp::Snow, 6));
        }
    }
    p.outline();
}

void stump(Painter& p) {
    p.shadedColumn(8, 14, 16, 12, Ramp::Wood, 1, 6);
    p.px(6, 25, C(Ramp::Wood, 3));
    p.px(7, 24, C(Ramp::Wood, 3));
    p.px(24, 25, C(Ramp::Wood, 2));
    p.ellipse(16, 14, 8, 3.5, C(Ramp::Wood, 8));
    p.ellipse(16, 14, 5, 2, C(Ramp::Wood, 6));
    p.ellipse(16, 14, 2, 1, C(Ramp::Wood, 8));
    p.outline();
}

void log(Painter& p) {
    for (int y = 14; y < 24; ++y) p.hline(6, 26, y, C(Ramp::Wood, 6 - std::abs(y - 17) / 2));
    p.hline(6, 26, 15, C(Ramp::Wood, 7));
    p.hline(8, 20, 20, C(Ramp::Wood, 2));
    p.ellipse(26, 19, 3, 5, C(Ramp::Wood, 9));
    p.ellipse(26, 19, 1.5, 2.5, C(Ramp::Wood, 6));
    p.px(12, 13, C(Ramp::Leaf, 6));
    p.px(13, 12, C(Ramp::Leaf, 8));
    p.outline();
}

void reeds(Painter& p) {
    for (int i = 0; i < 7; ++i) {
        const int x = 7 + i * 3, top = 6 + static_cast<int>(random01(i, 0, 77) * 8);
        p.vline(x, top, 28, C(Ramp::Olive, 3 + i % 3));
        if (i % 2 == 0) p.rect(x, top - 4, 2, 5, C(Ramp::Wood, 3));
    }
    p.outline();
}

void pumpkin(Painter& p) {
    p.shadedEllipse(16, 21, 10, 7, Ramp::Orange, 1, 6);
    p.vline(16, 15, 27, C(Ramp::Orange, 2));
    p.vline(11, 16, 26, C(Ramp::Orange, 2));
    p.vline(21, 16, 26, C(Ramp::Orange, 1));
    p.rect(15, 11, 3, 4, C(Ramp::Leaf, 4));
    p.ellipse(21, 13, 3, 1.5, C(Ramp::Leaf, 6));
    p.outline();
}

void cabbage(Painter& p) {
    p.shadedEllipse(16, 19, 10, 8, Ramp::Lime, 0, 5);
    p.shadedEllipse(16, 18, 5, 4, Ramp::Lime, 2, 6);
    p.line(16, 12, 16, 26, C(Ramp::Lime, 5));
    p.outline();
}

void crop(Painter& p, int stage) {
    for (int i = 0; i < 4; ++i) {
        const int x = 7 + i * 6;
        const int top = 26 - stage * 6;
        p.vline(x, top, 28, C(Ramp::Olive, 3 + stage));
        p.line(x, 26, x - 2, 23, C(Ramp::Olive, 4));
        if (stage >= 2) p.line(x, 24, x + 2, 20, C(Ramp::Olive, 5));
        if (stage == 3) {
            p.rect(x - 1, top - 1, 3, 6, C(Ramp::Gold, 6));
            p.px(x - 1, top - 1, C(Ramp::Gold, 8));
        }
    }
    p.outline();
}

void deadBush(Painter& p) {
    const int twigs[][4] = {{16, 26, 8, 12}, {16, 26, 24, 10}, {16, 26, 16, 8}, {12, 18, 6, 16}, {20, 18, 27, 18}};
    for (const auto& t : twigs) p.line(t[0], t[1], t[2], t[3], C(Ramp::Dirt, 4));
    p.outline();
}

}  // namespace

void drawPlants(Canvas& canvas, int row) {
    const int big = row;  // two-cell-tall trees occupy rows big and big + 1
    { Painter p(canvas, 0, big, 2, 2); roundTree(p, Ramp::Leaf, 0, 10, 1); }
    { Painter p(canvas, 2, big, 2, 2); roundTree(p, Ramp::Orange, 0, 7, 2); }
    { Painter p(canvas, 4, big, 2, 2); roundTree(p, Ramp::Pink, 1, 7, 3); }
    { Painter p(canvas, 6, big, 2, 2); roundTree(p, Ramp::Grass, 0, 9, 4); dotFoliage(p, 32, 26, 26, 22, Ramp::Red, 6, 14, 5); }
    { Painter p(canvas, 8, big, 2, 2); palm(p); }
    { Painter p(canvas, 10, big, 2, 2); deadTree(p); }
    { Painter p(canvas, 12, big, 1, 2); pine(p, 16, 3, 62, 14, false, 6); }
    { Painter p(canvas, 13, big, 1, 2); pine(p, 16, 3, 62, 14, true, 7); }
    { Painter p(canvas, 14, big, 1, 2); birch(p); }
    { Painter p(canvas, 15, big, 1, 2); poplar(p); }
    { Painter p(canvas, 16, big, 1, 2); youngTree(p, Ramp::Leaf, 1, 10, 8); }
    { Painter p(canvas, 17, big, 1, 2); youngTree(p, Ramp::Gold, 1, 8, 9); }
    { Painter p(canvas, 18, big, 1, 2); youngTree(p, Ramp::Teal, 0, 6, 10); }
    { Painter p(canvas, 19, big, 1, 2); cactus(p); }

    const int small = row + 2;
    int col = 0;
    auto cell = [&](int r) { Painter p(canvas, col % 20, r); ++col; return p; };
    { Painter p = cell(small); bush(p, Ramp::Leaf, 0, 10, 21); }
    { Painter p = cell(small); bush(p, Ramp::Grass, 1, 10, 22); }
    { Painter p = cell(small); bush(p, Ramp::Leaf, 0, 9, 23, Ramp::Red, 6); }
    { Painter p = cell(small); bush(p, Ramp::Leaf, 0, 9, 24, Ramp::Purple, 5); }
    { Painter p = cell(small); bush(p, Ramp::Grass, 0, 9, 25, Ramp::Pink, 6); }
    { Painter p = cell(small); bush(p, Ramp::Grass, 0, 9, 26, Ramp::Snow, 6); }
    { Painter p = cell(small); bush(p, Ramp::Orange, 0, 7, 27); }
    { Painter p = cell(small); bush(p, Ramp::Snow, 1, 7, 28); }
    { Painter p = cell(small); flowerPatch(p, Ramp::Red, 31); }
    { Painter p = cell(small); flowerPatch(p, Ramp::Gold, 32); }
    { Painter p = cell(small); flowerPatch(p, Ramp::Purple, 33); }
    { Painter p = cell(small); flowerPatch(p, Ramp::Pink, 34); }
    { Painter p = cell(small); sunflower(p); }
    { Painter p = cell(small); mushrooms(p, Ramp::Red, true); }
    { Painter p = cell(small); mushrooms(p, Ramp::Dirt, false); }
    { Painter p = cell(small); stump(p); }
    { Painter p = cell(small); log(p); }
    { Painter p = cell(small); reeds(p); }
    { Painter p = cell(small); pumpkin(p); }
    { Painter p = cell(small); cabbage(p); }
    col = 0;
    const int last = row + 3;
    for (int stage = 0; stage < 4; ++stage) { Painter p = cell(last); crop(p, stage); }
    { Painter p = cell(last); deadBush(p); }
    { Painter p = cell(last); bush(p, Ramp::Teal, 0, 7, 41); }
    { Painter p = cell(last); bush(p, Ramp::Olive, 0, 7, 42); }
    { Painter p = cell(last); bush(p, Ramp::Lime, 0, 6, 43, Ramp::Gold, 7); }
    // Small round trees that fit one cell.
    const Ramp crowns[] = {Ramp::Leaf, Ramp::Grass, Ramp::Orange, Ramp::Pink, Ramp::Gold, Ramp::Teal};
    for (int i = 0; i < 6; ++i) {
        Painter p = cell(last);
        trunk(p, 16, 20, 30, 2);
        drawFoliage(p, 16, 13, 12, 11, {crowns[i], 0, Palette::get().shades(crowns[i]) - 2, static_cast<std::uint32_t>(50 + i)});
        p.outline();
    }
    // Grass tufts on white, for stamping over any ground.
    for (int i = 0; i < 6; ++i) {
        Painter p = cell(last);
        const Ramp r = i < 3 ? Ramp::Grass : Ramp::Olive;
        for (int k = 0; k < 5 + i; ++k) {
            const int x = 6 + static_cast<int>(random01(k, i, 61) * 20), y = 14 + static_cast<int>(random01(k, i, 62) * 12);
            p.line(x, y + 6, x - 2, y, C(r, 5));
            p.line(x + 1, y + 6, x + 2, y - 1, C(r, 7));
            p.line(x + 2, y + 6, x + 5, y + 1, C(r, 4));
        }
        p.outline();
    }
}

}  // namespace qv::tileset
