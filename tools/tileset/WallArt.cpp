// Walls and windows: castle and house wall faces with their tops, windows of
// several kinds set in walls, doors, gates and things hung on walls.
#include "tools/tileset/Art.h"
#include "tools/tileset/BuildingParts.h"
#include "tools/tileset/Noise.h"
#include "tools/tileset/Painter.h"

namespace qv::tileset {
namespace {

// A crenellated wall top: merlons standing on white.
void battlement(Painter& p, Surface s) {
    drawSurface(p, 0, 12, 32, 20, s);
    drawSurface(p, 2, 2, 12, 10, s, 5);
    drawSurface(p, 18, 2, 12, 10, s, 6);
    p.hline(2, 13, 2, C(Ramp::Snow, 3));
    p.hline(18, 29, 2, C(Ramp::Snow, 3));
    p.hline(0, 31, 12, C(Ramp::Snow, 2));
    p.shiftShade(0, 13, 32, 2, -2);
    p.outline();
}

void banner(Painter& p, Ramp r, Surface wall) {
    drawSurface(p, 0, 0, 32, 32, wall);
    p.rect(6, 2, 20, 2, C(Ramp::Wood, 3));
    p.polygon({{8, 4}, {24, 4}, {24, 28}, {16, 23}, {8, 28}}, C(r, 4));
    p.polygon({{8, 4}, {12, 4}, {12, 26}, {8, 28}}, C(r, 6));
    p.shadedEllipse(16, 13, 4, 4, Ramp::Gold, 4, 9);
}

void wallTorch(Painter& p, Surface wall) {
    drawSurface(p, 0, 0, 32, 32, wall);
    p.rect(14, 14, 4, 10, C(Ramp::Wood, 3));
    p.rect(12, 22, 8, 3, C(Ramp::Grey, 4));
    p.shadedEllipse(16, 10, 4, 5, Ramp::Fire, 2, 5);
    p.shadedEllipse(16, 12, 2, 2.5, Ramp::Fire, 4, 5);
}

void barredWindow(Painter& p, Surface wall) {
    drawSurface(p, 0, 0, 32, 32, wall);
    p.rect(8, 6, 16, 16, C(Ramp::Ink, 0));
    for (int x = 10; x < 24; x += 4) p.vline(x, 6, 21, C(Ramp::Grey, 6));
    p.hline(8, 23, 13, C(Ramp::Grey, 5));
    p.rect(7, 22, 18, 2, C(Ramp::Stone, 8));
}

void shutters(Painter& p, Surface wall, bool open) {
    drawSurface(p, 0, 0, 32, 32, wall);
    if (open) {
        drawWindow(p, 10, 6, 12, 16, false, false);
        p.rect(3, 6, 6, 16, C(Ramp::Leaf, 5));
        p.rect(23, 6, 6, 16, C(Ramp::Leaf, 4));
        for (int y = 8; y < 22; y += 3) {
            p.hline(3, 8, y, C(Ramp::Leaf, 2));
            p.hline(23, 28, y, C(Ramp::Leaf, 1));
        }
    } else {
        p.rect(7, 6, 18, 16, C(Ramp::Leaf, 5));
        p.vline(16, 6, 21, C(Ramp::Leaf, 1));
        for (int y = 8; y < 22; y += 3) p.hline(7, 24, y, C(Ramp::Leaf, 2));
        p.rect(6, 22, 20, 2, C(Ramp::Wood, 6));
    }
}

void roundWindow(Painter& p, Surface wall, bool stained) {
    drawSurface(p, 0, 0, 32, 32, wall);
    p.ellipse(16, 15, 10, 10, C(Ramp::Stone, 3));
    if (stained) {
        const Ramp glass[] = {Ramp::Red, Ramp::Water, Ramp::Gold, Ramp::Purple};
        for (int y = 6; y < 25; ++y)
            for (int x = 7; x < 26; ++x) {
                const double dx = x + 0.5 - 16, dy = y + 0.5 - 15;
                if (dx * dx + dy * dy > 64) continue;
                const int q = (dx < 0) + 2 * (dy < 0);
                p.px(x, y, C(glass[q], 5 + ((x + y) % 3 == 0)));
            }
        p.hline(8, 24, 15, C(Ramp::Ink, 1));
        p.vline(16, 7, 23, C(Ramp::Ink, 1));
    } else {
        p.shadedEllipse(16, 15, 8, 8, Ramp::Glass, 1, 4);
        p.hline(8, 24, 15, C(Ramp::Wood, 3));
        p.vline(16, 7, 23, C(Ramp::Wood, 3));
    }
}

}  // namespace

void drawWalls(Canvas& canvas, int row) {
    const Surface faces[] = {Surface::StoneBlocks, Surface::Bricks, Surface::Sandstone, Surface::DarkStone, Surface::Plaster, Surface::Planks, Surface::Logs};
    // Row one: wall tops, then plain faces, then damaged and mossy faces.
    int col = 0;
    for (const Surface s : {Surface::StoneBlocks, Surface::Sandstone, Surface::DarkStone, Surface::Bricks}) {
        Painter p(canvas, col++, row);
        battlement(p, s);
    }
    for (const Surface s : faces) {
        Painter p(canvas, col++, row);
        drawSurface(p, 0, 0, 32, 32, s, 3);
    }
    for (int i = 0; i < 4; ++i) {
        Painter p(canvas, col++, row);
        drawSurface(p, 0, 0, 32, 32, faces[i], 9);
        // Cracks and missing chips.
        p.line(8, 4, 12, 14, C(Ramp::Ink, 1));
        p.line(12, 14, 10, 22, C(Ramp::Ink, 1));
        p.line(12, 14, 18, 18, C(Ramp::Ink, 1));
        p.rect(22, 24, 4, 3, C(Ramp::Ink, 2));
    }
    for (int i = 0; i < 5; ++i) {
        Painter p(canvas, col++, row);
        drawSurface(p, 0, 0, 32, 32, faces[i], 11);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (valueNoise(x, y, 4, 40 + i) + (y - 16) / 40.0 > 0.62) p.px(x, y, C(Ramp::Grass, 3 + static_cast<int>(valueNoise(x, y, 4, 50) * 6)));
    }
    // Row two: windows in stone, brick and plaster.
    col = 0;
    const Surface windowWalls[] = {Surface::StoneBlocks, Surface::Bricks, Surface::Plaster, Surface::Planks};
    for (const Surface w : windowWalls) {
        { Painter p(canvas, col++, row + 1); drawSurface(p, 0, 0, 32, 32, w); drawWindow(p, 7, 5, 18, 20, false, false); }
        { Painter p(canvas, col++, row + 1); drawSurface(p, 0, 0, 32, 32, w); drawWindow(p, 8, 3, 16, 24, true, true); }
        { Painter p(canvas, col++, row + 1); shutters(p, w, true); }
        { Painter p(canvas, col++, row + 1); shutters(p, w, false); }
        { Painter p(canvas, col++, row + 1); roundWindow(p, w, w == Surface::StoneBlocks || w == Surface::Bricks); }
    }
    // Row three: doors, gates and wall hangings.
    col = 0;
    for (const Surface w : windowWalls) {
        { Painter p(canvas, col++, row + 2); drawSurface(p, 0, 0, 32, 32, w); drawDoor(p, 7, 4, 18, 28, Ramp::Wood, w != Surface::Planks); }
        { Painter p(canvas, col++, row + 2); barredWindow(p, w); }
    }
    {
        Painter p(canvas, col++, row + 2);
        drawSurface(p, 0, 0, 32, 32, Surface::StoneBlocks);
        p.ellipse(16, 12, 12, 12, C(Ramp::Ink, 0));
        p.rect(4, 12, 24, 20, C(Ramp::Ink, 0));
        for (int x = 6; x < 28; x += 4) p.vline(x, 2, 31, C(Ramp::Slate, 4));
        for (int y = 10; y < 32; y += 8) p.hline(4, 27, y, C(Ramp::Slate, 3));
    }
    {
        Painter p(canvas, col++, row + 2);
        drawSurface(p, 0, 0, 32, 32, Surface::StoneBlocks);
        p.ellipse(16, 12, 12, 12, C(Ramp::Ink, 0));
        p.rect(4, 12, 24, 20, C(Ramp::Ink, 0));
    }
    for (const Ramp r : {Ramp::Red, Ramp::Navy, Ramp::Leaf, Ramp::Purple, Ramp::Gold, Ramp::Teal}) {
        Painter p(canvas, col++, row + 2);
        banner(p, r, Surface::StoneBlocks);
    }
    for (const Surface w : {Surface::StoneBlocks, Surface::DarkStone}) {
        Painter p(canvas, col++, row + 2);
        wallTorch(p, w);
    }
    // Stairs going up into the wall.
    {
        Painter p(canvas, col++, row + 2);
        for (int s = 0; s < 8; ++s) {
            p.rect(0, s * 4, 32, 4, C(Ramp::Stone, 3 + s));
            p.hline(0, 31, s * 4, C(Ramp::Stone, 5 + s));
        }
    }
    {
        Painter p(canvas, col++, row + 2);
        p.rect(7, 0, 3, 32, C(Ramp::Wood, 5));
        p.rect(22, 0, 3, 32, C(Ramp::Wood, 4));
        for (int y = 3; y < 32; y += 6) p.rect(10, y, 12, 2, C(Ramp::Wood, 6));
        p.outline();
    }
}

}  // namespace qv::tileset
