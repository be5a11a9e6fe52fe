#include "tools/tileset/BuildingParts.h"

#include <cmath>

#include "tools/tileset/Noise.h"
#include "tools/tileset/StonePattern.h"

namespace qv::tileset {
namespace {

void running(Painter& p, int x, int y, int w, int h, Ramp r, int lo, int hi, int bw, int bh, std::uint8_t mortar, std::uint32_t seed) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) {
            const int wy = ((j % 32) + 32) % 32, wx = ((i % 32) + 32) % 32;
            const int course = wy / bh;
            const int bx = (wx + (course % 2) * (bw / 2)) % 32;
            const int lx = bx % bw, ly = wy % bh;
            if (lx == bw - 1 || ly == bh - 1) {
                p.px(i, j, mortar);
                continue;
            }
            int shade = lo + static_cast<int>(random01(bx / bw, course, seed) * (hi - lo + 1));
            if (ly == 0 || lx == 0) shade += 1;
            if (ly == bh - 2) shade -= 1;
            p.px(i, j, C(r, shade));
        }
}

}  // namespace

void drawSurface(Painter& p, int x, int y, int w, int h, Surface s, std::uint32_t seed) {
    switch (s) {
        case Surface::Planks:
            for (int j = y; j < y + h; ++j)
                for (int i = x; i < x + w; ++i) {
                    const int lx = ((i % 8) + 8) % 8;
                    int shade = 5 + static_cast<int>(random01(i / 8, 0, seed) * 3) + (lx == 1) - (lx == 6);
                    if (lx == 7) shade = 2;
                    if ((j + (i / 8) * 11) % 32 == 0) shade = 3;
                    p.px(i, j, C(Ramp::Wood, shade));
                }
            break;
        case Surface::StoneBlocks: running(p, x, y, w, h, Ramp::Stone, 5, 8, 16, 8, C(Ramp::Stone, 2), seed); break;
        case Surface::Bricks: running(p, x, y, w, h, Ramp::Brick, 3, 5, 8, 4, C(Ramp::Sand, 3), seed); break;
        case Surface::Sandstone: running(p, x, y, w, h, Ramp::Sand, 3, 5, 16, 8, C(Ramp::Sand, 1), seed); break;
        case Surface::DarkStone: running(p, x, y, w, h, Ramp::Slate, 1, 3, 16, 8, C(Ramp::Ink, 1), seed); break;
        case Surface::Plaster:
            p.texture(x, y, w, h, Ramp::Canvas, 5, 6, seed);
            p.speckle(x, y, w, h, C(Ramp::Canvas, 4), 0.03, seed + 1);
            break;
        case Surface::Logs:
            for (int j = y; j < y + h; ++j)
                for (int i = x; i < x + w; ++i) {
                    const int ly = ((j % 8) + 8) % 8;
                    const double u = (ly + 0.5) / 8 * 2 - 1;
                    const int shade = ly == 7 ? 1 : static_cast<int>(7 - u * 2.5 - u * u * 3);
                    p.px(i, j, C(Ramp::Wood, shade));
                }
            break;
    }
}

void drawRoof(Painter& p, int x, int y, int w, int h, RoofKind kind, Ramp r) {
    const int top = Palette::get().shades(r) - 1;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) {
            const int wx = ((i % 32) + 32) % 32, wy = ((j % 32) + 32) % 32;
            int shade = 0;
            switch (kind) {
                case RoofKind::ClayTiles: {
                    const int row = wy / 6, ly = wy % 6;
                    const int lx = (wx + (row % 2) * 4) % 8;
                    const double u = (lx + 0.5) / 8 * 2 - 1;
                    shade = static_cast<int>(top - 2 - u * 2 - u * u * 3 - (ly >= 4 ? 3 : 0));
                    if (ly == 5) shade = 1;
                    break;
                }
                case RoofKind::Slate: {
                    const int row = wy / 6, ly = wy % 6;
                    const int lx = (wx + (row % 2) * 4) % 8;
                    shade = static_cast<int>(top - 3 + random01((wx + (row % 2) * 4) / 8, row, 3) * 2 - (ly >= 4 ? 2 : 0));
                    if (ly == 5 || lx == 7) shade = 1;
                    break;
                }
                case RoofKind::Thatch: {
                    const int row = wy / 8, ly = wy % 8;
                    shade = static_cast<int>(top - 1 - ly * 0.6 - random01(wx, row, 5) * 2.5);
                    if (ly == 7) shade = 1;
                    break;
                }
                case RoofKind::Shingles: {
                    const int row = wy / 5, ly = wy % 5;
                    const int lx = (wx + (row % 2) * 3) % 6;
                    shade = static_cast<int>(top - 3 + random01((wx + (row % 2) * 3) / 6, row, 7) * 3 - (ly >= 3 ? 2 : 0));
                    if (ly == 4 || lx == 5) shade = 1;
                    break;
                }
            }
            p.px(i, j, C(r, shade));
        }
}

void drawWindow(Painter& p, int x, int y, int w, int h, bool lit, bool arched, Ramp frame) {
    const int top = Palette::get().shades(frame) - 1;
    if (arched) {
        p.ellipse(x + w / 2.0, y + w / 2.0, w / 2.0, w / 2.0, C(frame, 2));
        p.rect(x, y + w / 2, w, h - w / 2, C(frame, 2));
        p.ellipse(x + w / 2.0, y + w / 2.0, w / 2.0 - 2, w / 2.0 - 2, C(lit ? Ramp::Gold : Ramp::Glass, lit ? 7 : 2));
        p.rect(x + 2, y + w / 2, w - 4, h - w / 2 - 2, C(lit ? Ramp::Gold : Ramp::Glass, lit ? 6 : 2));
    } else {
        p.rect(x, y, w, h, C(frame, 2));
        p.gradient(x + 2, y + 2, w - 4, h - 4, lit ? Ramp::Gold : Ramp::Glass, lit ? 5 : 1, lit ? 8 : 3);
    }
    // Mullions and a glint.
    p.vline(x + w / 2, y + 2, y + h - 3, C(frame, top - 3));
    p.hline(x + 2, x + w - 3, y + h / 2, C(frame, top - 3));
    if (!lit) {
        p.px(x + 3, y + h / 2 - 2, C(Ramp::Glass, 5));
        p.px(x + 4, y + h / 2 - 3, C(Ramp::Glass, 5));
    }
    p.rect(x - 1, y + h - 1, w + 2, 2, C(frame, top - 2));
}

void drawDoor(Painter& p, int x, int y, int w, int h, Ramp wood, bool arched) {
    const int top = Palette::get().shades(wood) - 1;
    if (arched) {
        const double r = w / 2.0;
        p.ellipse(x + r, y + r + 1, r + 1, r + 1, C(Ramp::Stone, 3));
        p.rect(x - 1, y + static_cast<int>(r) + 1, w + 2, h - static_cast<int>(r) - 1, C(Ramp::Stone, 3));
        p.ellipse(x + r, y + r + 1, r, r, C(wood, 4));
        p.rect(x, y + static_cast<int>(r) + 1, w, h - static_cast<int>(r) - 1, C(wood, 4));
    } else {
        p.rect(x - 1, y, w + 2, h, C(Ramp::Stone, 3));
        p.rect(x, y + 1, w, h - 1, C(wood, 4));
    }
    for (int i = x + 3; i < x + w; i += 4)
        for (int j = y + 2; j < y + h; ++j)
            if (p.get(i, j) == C(wood, 4)) p.px(i, j, C(wood, 2));
    p.hline(x, x + w - 1, y + h / 3, C(wood, top - 2));
    p.hline(x, x + w - 1, y + 2 * h / 3, C(wood, top - 2));
    p.rect(x + w - 4, y + h / 2, 2, 2, C(Ramp::Gold, 7));
}

}  // namespace qv::tileset
