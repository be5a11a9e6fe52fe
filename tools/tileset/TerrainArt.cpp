// Row 1: ground swatches. Every swatch is opaque and repeats seamlessly, so a
// map can be painted with any one of them.
#include <cmath>

#include "tools/tileset/Art.h"
#include "tools/tileset/Noise.h"
#include "tools/tileset/Painter.h"
#include "tools/tileset/StonePattern.h"

namespace qv::tileset {
namespace {

// Details that cross the cell edge continue on the opposite side.
void pxWrap(Painter& p, int x, int y, std::uint8_t c) { p.px(((x % 32) + 32) % 32, ((y % 32) + 32) % 32, c); }

void grass(Painter& p, std::uint32_t seed, int lo, int hi, int blades) {
    p.texture(0, 0, 32, 32, Ramp::Grass, lo, hi, seed);
    for (int i = 0; i < blades; ++i) {
        const int x = static_cast<int>(random01(i, 1, seed) * 32), y = static_cast<int>(random01(i, 2, seed) * 32);
        pxWrap(p, x, y, C(Ramp::Grass, hi + 2));
        pxWrap(p, x, y + 1, C(Ramp::Grass, hi));
        pxWrap(p, x + 1, y + 1, C(Ramp::Grass, lo - 2));
        if (i % 3 == 0) pxWrap(p, x - 1, y - 1, C(Ramp::Grass, hi + 1));
    }
}

void tufts(Painter& p, std::uint32_t seed, int count, Ramp ramp, int shade) {
    for (int i = 0; i < count; ++i) {
        const int x = static_cast<int>(random01(i, 3, seed) * 32), y = static_cast<int>(random01(i, 4, seed) * 32);
        pxWrap(p, x, y, C(ramp, shade));
        pxWrap(p, x - 1, y - 1, C(ramp, shade + 1));
        pxWrap(p, x + 1, y - 2, C(ramp, shade + 2));
        pxWrap(p, x + 2, y - 1, C(ramp, shade + 1));
        pxWrap(p, x, y + 1, C(ramp, shade - 4));
        pxWrap(p, x + 1, y + 1, C(ramp, shade - 4));
    }
}

void flowers(Painter& p, std::uint32_t seed) {
    const Ramp colours[] = {Ramp::Pink, Ramp::Gold, Ramp::Snow, Ramp::Purple, Ramp::Red};
    for (int i = 0; i < 7; ++i) {
        const int x = 3 + static_cast<int>(random01(i, 5, seed) * 26), y = 3 + static_cast<int>(random01(i, 6, seed) * 26);
        const Ramp r = colours[i % 5];
        const int top = Palette::get().shades(r) - 2;
        p.px(x, y - 1, C(r, top));
        p.px(x - 1, y, C(r, top - 1));
        p.px(x + 1, y, C(r, top - 2));
        p.px(x, y + 1, C(r, top - 3));
        p.px(x, y, C(Ramp::Gold, 8));
        p.px(x + 1, y + 1, C(Ramp::Grass, 2));
    }
}

void dirt(Painter& p, std::uint32_t seed) {
    p.texture(0, 0, 32, 32, Ramp::Dirt, 4, 7, seed);
    p.speckle(0, 0, 32, 32, C(Ramp::Dirt, 2), 0.05, seed + 1);
    p.speckle(0, 0, 32, 32, C(Ramp::Dirt, 9), 0.03, seed + 2);
}

void pebbles(Painter& p, std::uint32_t seed) {
    for (int i = 0; i < 6; ++i) {
        const int x = 2 + static_cast<int>(random01(i, 7, seed) * 27), y = 2 + static_cast<int>(random01(i, 8, seed) * 27);
        p.px(x, y, C(Ramp::Stone, 8));
        p.px(x + 1, y, C(Ramp::Stone, 6));
        p.px(x, y + 1, C(Ramp::Stone, 4));
        p.px(x + 1, y + 1, C(Ramp::Dirt, 2));
    }
}

void tilled(Painter& p) {
    p.texture(0, 0, 32, 32, Ramp::Dirt, 2, 5, 41);
    for (int y = 0; y < 32; y += 8) {
        p.hline(0, 31, y + 1, C(Ramp::Dirt, 7));
        p.hline(0, 31, y + 2, C(Ramp::Dirt, 6));
        p.hline(0, 31, y + 3, C(Ramp::Dirt, 5));
        p.hline(0, 31, y + 5, C(Ramp::Dirt, 2));
        p.hline(0, 31, y + 6, C(Ramp::Dirt, 1));
    }
    p.speckle(0, 0, 32, 32, C(Ramp::Dirt, 8), 0.04, 42);
}

void sand(Painter& p, std::uint32_t seed, bool ripples) {
    p.texture(0, 0, 32, 32, Ramp::Sand, 3, 5, seed);
    if (ripples)
        for (int y = 2; y < 32; y += 8)
            for (int x = 0; x < 32; ++x) {
                const int yy = y + static_cast<int>(std::lround(1.5 * std::sin(x * 2 * 3.14159265 / 32 * 2)));
                pxWrap(p, x, yy, C(Ramp::Sand, 6));
                pxWrap(p, x, yy + 1, C(Ramp::Sand, 2));
            }
    p.speckle(0, 0, 32, 32, C(Ramp::Sand, 1), 0.03, seed + 3);
    p.speckle(0, 0, 32, 32, C(Ramp::Sand, 7), 0.03, seed + 4);
}

void water(Painter& p, std::uint32_t seed, int lo, int hi) {
    p.texture(0, 0, 32, 32, Ramp::Water, lo, hi, seed);
    for (int i = 0; i < 6; ++i) {
        const int x = static_cast<int>(random01(i, 9, seed) * 32), y = static_cast<int>(random01(i, 10, seed) * 32);
        const int len = 3 + i % 3;
        for (int k = 0; k < len; ++k) pxWrap(p, x + k, y, C(Ramp::Water, hi + 2));
        pxWrap(p, x - 1, y + 1, C(Ramp::Water, hi + 1));
        pxWrap(p, x + len, y + 1, C(Ramp::Water, hi + 1));
    }
}

void snow(Painter& p, std::uint32_t seed) {
    p.texture(0, 0, 32, 32, Ramp::Snow, 4, 7, seed);
    p.speckle(0, 0, 32, 32, C(Ramp::Snow, 3), 0.03, seed + 1);
}

void ice(Painter& p) {
    p.texture(0, 0, 32, 32, Ramp::Glass, 2, 4, 61);
    for (int i = 0; i < 32; ++i) {
        pxWrap(p, i, i / 2 + 4, C(Ramp::Glass, 5));
        pxWrap(p, i + 16, 20 - i / 3, C(Ramp::Glass, 1));
    }
    p.speckle(0, 0, 32, 32, C(Ramp::Snow, 7), 0.03, 62);
}

// Bricks in a running bond: w x h each, offset half a brick per course.
void bricks(Painter& p, Ramp ramp, int lo, int hi, int bw, int bh, std::uint8_t mortar, std::uint32_t seed) {
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int course = y / bh;
            const int bx = (x + (course % 2) * (bw / 2)) % 32;
            const int brick = bx / bw;
            const int lx = bx % bw, ly = y % bh;
            if (lx == bw - 1 || ly == bh - 1) {
                p.px(x, y, mortar);
                continue;
            }
            const double tone = random01(brick, course, seed);
            int shade = lo + static_cast<int>(tone * (hi - lo));
            if (ly == 0) shade += 1;
            if (ly == bh - 2) shade -= 1;
            p.px(x, y, C(ramp, shade));
        }
}

void planks(Painter& p) {
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int plank = x / 8;
            const int lx = x % 8;
            const int seamY = (plank * 13 + 5) % 32;
            double v = 0.45 + 0.25 * std::sin((y + plank * 9) * 0.9 + lx * 0.4) * 0.4 + random01(plank, 0, 71) * 0.3;
            int shade = 4 + static_cast<int>(v * 4);
            if (lx == 0) shade = 2;
            if (lx == 1) shade += 1;
            if (lx == 7) shade -= 1;
            if (y == seamY) shade = 2;
            p.px(x, y, C(Ramp::Wood, shade));
        }
    for (int plank = 0; plank < 4; ++plank) {
        const int seamY = (plank * 13 + 5) % 32;
        p.px(plank * 8 + 2, (seamY + 2) % 32, C(Ramp::Wood, 1));
        p.px(plank * 8 + 6, (seamY + 2) % 32, C(Ramp::Wood, 1));
    }
}

void checkerTiles(Painter& p) {
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool light = ((x / 8) + (y / 8)) % 2 == 0;
            const int lx = x % 8, ly = y % 8;
            int shade = light ? 10 : 4;
            if (lx == 0 || ly == 0) shade += 1;
            if (lx == 7 || ly == 7) shade -= 2;
            p.px(x, y, C(light ? Ramp::Grey : Ramp::Slate, light ? shade : shade - 1));
        }
}

void carpet(Painter& p) {
    p.rect(0, 0, 32, 32, C(Ramp::Red, 4));
    p.checker(0, 0, 32, 32, C(Ramp::Red, 3));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int dx = std::abs((x % 16) - 8), dy = std::abs((y % 16) - 8);
            if (dx + dy == 6) p.px(x, y, C(Ramp::Gold, 6));
            if (dx + dy == 2) p.px(x, y, C(Ramp::Gold, 4));
            if (dx + dy == 0) p.px(x, y, C(Ramp::Gold, 8));
        }
}

void flagstones(Painter& p) {
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int sx = x / 16, sy = y / 16;
            const int lx = x % 16, ly = y % 16;
            int shade = 7 + static_cast<int>(random01(sx, sy, 81) * 2);
            if (lx == 15 || ly == 15) shade = 3;
            else if (lx == 0 || ly == 0) shade += 2;
            else if (lx == 14 || ly == 14) shade -= 2;
            p.px(x, y, C(Ramp::Sand, shade - 2));
        }
    p.speckle(0, 0, 32, 32, C(Ramp::Sand, 3), 0.04, 82);
}

}  // namespace

void drawTerrain(Canvas& canvas, int row) {
    int col = 0;
    auto next = [&] { return Painter(canvas, col++, row); };
    { Painter p = next(); grass(p, 11, 5, 8, 14); }
    { Painter p = next(); grass(p, 12, 5, 8, 10); tufts(p, 13, 5, Ramp::Grass, 8); }
    { Painter p = next(); grass(p, 14, 5, 8, 8); flowers(p, 15); }
    { Painter p = next(); grass(p, 16, 2, 5, 16); tufts(p, 17, 4, Ramp::Leaf, 6); }
    { Painter p = next(); dirt(p, 21); }
    { Painter p = next(); dirt(p, 22); pebbles(p, 23); }
    { Painter p = next(); tilled(p); }
    { Painter p = next(); sand(p, 31, false); }
    { Painter p = next(); sand(p, 32, true); }
    { Painter p = next(); water(p, 51, 7, 9); }
    { Painter p = next(); water(p, 52, 4, 6); }
    {
        Painter p = next();
        StoneStyle s;
        s.lo = 5;
        s.hi = 9;
        s.spacing = 4;
        s.seed = 101;
        s.mortar = C(Ramp::Stone, 3);
        drawStones(p, 0, 0, 32, 32, s);
    }
    {
        Painter p = next();
        StoneStyle s;
        s.lo = 4;
        s.hi = 9;
        s.spacing = 8;
        s.seed = 102;
        drawStones(p, 0, 0, 32, 32, s);
    }
    { Painter p = next(); flagstones(p); }
    { Painter p = next(); bricks(p, Ramp::Brick, 3, 6, 8, 4, C(Ramp::Brick, 1), 111); }
    { Painter p = next(); snow(p, 121); }
    { Painter p = next(); ice(p); }
    { Painter p = next(); planks(p); }
    { Painter p = next(); checkerTiles(p); }
    { Painter p = next(); carpet(p); }
}

}  // namespace qv::tileset
