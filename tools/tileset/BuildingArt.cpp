// Tents and buildings: tents two cells square, roofs and house walls as
// three-by-three sets (left, middle, right pieces; the middle repeats), and
// a few single pieces.
#include <cmath>

#include "tools/tileset/Art.h"
#include "tools/tileset/BuildingParts.h"
#include "tools/tileset/Painter.h"

namespace qv::tileset {
namespace {

int top(Ramp r) { return Palette::get().shades(r) - 1; }

void tent(Painter& p, Ramp cloth, Ramp stripe, double scale) {
    const double cx = p.width() / 2.0, bottom = p.height() - 2;
    const double h = 52 * scale, w = 27 * scale;
    // Side of the tent, in shade, then the lit front.
    p.polygon({{cx, bottom - h}, {cx + w, bottom}, {cx + w * 0.55, bottom}}, C(cloth, 2));
    p.polygon({{cx, bottom - h}, {cx + w * 0.55, bottom}, {cx - w, bottom}}, C(cloth, top(cloth) - 2));
    p.polygon({{cx, bottom - h}, {cx - w * 0.2, bottom}, {cx - w, bottom}}, C(cloth, top(cloth) - 1));
    for (int j = 0; j < 3; ++j) {
        const double t = 0.3 + j * 0.25;
        const int y = static_cast<int>(bottom - h + h * t);
        const int half = static_cast<int>(w * t);
        p.hline(static_cast<int>(cx) - half + 1, static_cast<int>(cx + w * 0.55 * t) - 1, y, C(stripe, top(stripe) - 2));
    }
    // Doorway.
    p.polygon({{cx + 1, bottom - h * 0.55}, {cx + w * 0.35, bottom}, {cx - w * 0.25, bottom}}, C(Ramp::Ink, 1));
    p.polygon({{cx + 1, bottom - h * 0.55}, {cx - w * 0.05, bottom}, {cx - w * 0.25, bottom}}, C(cloth, 3));
    p.vline(static_cast<int>(cx), static_cast<int>(bottom - h - 3), static_cast<int>(bottom - h + 1), C(Ramp::Wood, 3));
    p.px(static_cast<int>(cx) + 1, static_cast<int>(bottom - h - 3), C(Ramp::Red, 6));
    p.px(static_cast<int>(cx) + 2, static_cast<int>(bottom - h - 2), C(Ramp::Red, 5));
    p.outline();
}

void roofSet(Canvas& canvas, int col, int row, RoofKind kind, Ramp ramp) {
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            Painter p(canvas, col + c, row + r);
            drawRoof(p, 0, 0, 32, 32, kind, ramp);
            if (r == 0) {  // ridge cap
                p.rect(0, 0, 32, 5, C(ramp, top(ramp) - 1));
                p.hline(0, 31, 0, C(ramp, top(ramp)));
                p.hline(0, 31, 4, C(ramp, 0));
            }
            if (r == 2) {  // eave with the shadow it casts
                p.rect(0, 26, 32, 3, C(Ramp::Wood, 4));
                p.hline(0, 31, 26, C(Ramp::Wood, 6));
                p.rect(0, 29, 32, 3, C(Ramp::Ink, 1));
            }
            if (c == 0) {  // verge boards
                p.rect(0, 0, 3, 32, C(Ramp::Wood, 5));
                p.vline(0, 0, 31, C(Ramp::Wood, 2));
            }
            if (c == 2) {
                p.rect(29, 0, 3, 32, C(Ramp::Wood, 3));
                p.vline(31, 0, 31, C(Ramp::Wood, 1));
            }
        }
}

void wallSet(Canvas& canvas, int col, int row, Surface s, Ramp trim) {
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            Painter p(canvas, col + c, row + r);
            drawSurface(p, 0, 0, 32, 32, s, static_cast<std::uint32_t>(col));
            if (r == 0) p.shiftShade(0, 0, 32, 3, -3);  // shade under the eave
            if (r == 1 && c == 1) drawWindow(p, 7, 5, 18, 20, false, false);
            if (r == 1 && c != 1) drawWindow(p, 9, 7, 14, 16, false, false, Ramp::Wood);
            if (r == 2 && c == 1) drawDoor(p, 7, 4, 18, 28, Ramp::Wood, true);
            if (r == 2 && c != 1) {
                p.rect(0, 26, 32, 6, C(Ramp::Stone, 4));
                p.hline(0, 31, 26, C(Ramp::Stone, 7));
            }
            if (c == 0) {
                p.rect(0, 0, 4, 32, C(trim, 5));
                p.vline(3, 0, 31, C(trim, 2));
            }
            if (c == 2) {
                p.rect(28, 0, 4, 32, C(trim, 3));
                p.vline(28, 0, 31, C(trim, 1));
            }
        }
}

void campfire(Painter& p) {
    p.line(7, 26, 25, 20, C(Ramp::Wood, 4));
    p.line(7, 27, 25, 21, C(Ramp::Wood, 2));
    p.line(7, 20, 25, 26, C(Ramp::Wood, 5));
    p.line(7, 21, 25, 27, C(Ramp::Wood, 3));
    p.polygon({{9, 23}, {16, 5}, {23, 23}}, C(Ramp::Fire, 3));
    p.polygon({{12, 23}, {16, 11}, {20, 23}}, C(Ramp::Fire, 4));
    p.polygon({{14, 23}, {16, 16}, {18, 23}}, C(Ramp::Fire, 5));
    for (int i = 0; i < 6; ++i) p.shadedEllipse(6 + i * 4, 27, 2.5, 2, Ramp::Stone, 3, 9);
    p.outline();
}

void chimney(Painter& p, Surface s) {
    drawSurface(p, 9, 6, 14, 26, s);
    p.rect(7, 4, 18, 4, C(Ramp::Stone, 6));
    p.hline(7, 24, 4, C(Ramp::Stone, 9));
    p.rect(11, 2, 10, 2, C(Ramp::Ink, 1));
    p.outline();
}

void well(Painter& p) {
    p.ellipse(16, 22, 11, 6, C(Ramp::Stone, 4));
    drawSurface(p, 5, 18, 22, 10, Surface::StoneBlocks);
    p.ellipse(16, 18, 10, 4, C(Ramp::Stone, 7));
    p.ellipse(16, 18, 8, 3, C(Ramp::Water, 2));
    p.rect(5, 4, 2, 14, C(Ramp::Wood, 4));
    p.rect(25, 4, 2, 14, C(Ramp::Wood, 3));
    p.polygon({{3, 6}, {16, 0}, {29, 6}}, C(Ramp::Red, 4));
    p.polygon({{3, 6}, {16, 0}, {16, 6}}, C(Ramp::Red, 6));
    p.vline(16, 6, 15, C(Ramp::Parchment, 3));
    p.rect(14, 14, 4, 3, C(Ramp::Wood, 5));
    p.outline();
}

void awning(Painter& p, Ramp a, Ramp b) {
    for (int x = 0; x < 32; ++x) {
        const Ramp r = (x / 4) % 2 ? a : b;
        for (int y = 4; y < 18; ++y) p.px(x, y, C(r, top(r) - 1 - (y > 13) * 2));
        const int scallop = 18 + static_cast<int>(2 * std::sin((x % 8) / 8.0 * 3.14159));
        p.vline(x, 18, scallop, C(r, top(r) - 3));
    }
    p.hline(0, 31, 4, C(Ramp::Wood, 3));
    p.rect(0, 21, 32, 2, kClear);
    p.outline();
}

void flowerBox(Painter& p) {
    p.shadedColumn(4, 20, 24, 7, Ramp::Wood, 2, 7);
    const Ramp f[] = {Ramp::Red, Ramp::Gold, Ramp::Pink, Ramp::Purple};
    for (int i = 0; i < 6; ++i) {
        p.ellipse(7 + i * 3.6, 17, 2.5, 2.5, C(Ramp::Grass, 5 + i % 3));
        p.rect(6 + i * 4, 14 - (i % 2) * 2, 2, 2, C(f[i % 4], 6));
    }
    p.outline();
}

}  // namespace

void drawBuildings(Canvas& canvas, int row) {
    const Ramp cloths[][2] = {{Ramp::Red, Ramp::Parchment}, {Ramp::Canvas, Ramp::Wood}, {Ramp::Teal, Ramp::Parchment}, {Ramp::Purple, Ramp::Gold}};
    for (int i = 0; i < 4; ++i) {
        Painter p(canvas, i * 2, row, 2, 2);
        tent(p, cloths[i][0], cloths[i][1], 1.0);
    }
    roofSet(canvas, 8, row, RoofKind::ClayTiles, Ramp::Red);
    roofSet(canvas, 11, row, RoofKind::Slate, Ramp::Slate);
    roofSet(canvas, 14, row, RoofKind::Thatch, Ramp::Gold);
    roofSet(canvas, 17, row, RoofKind::Shingles, Ramp::Leaf);

    const int extras = row + 2;
    for (int i = 0; i < 2; ++i) {
        Painter p(canvas, i, extras);
        tent(p, cloths[i * 2][0], cloths[i * 2][1], 0.55);
    }
    { Painter p(canvas, 2, extras); campfire(p); }
    { Painter p(canvas, 3, extras); chimney(p, Surface::Bricks); }
    { Painter p(canvas, 4, extras); chimney(p, Surface::StoneBlocks); }
    { Painter p(canvas, 5, extras); well(p); }
    { Painter p(canvas, 6, extras); awning(p, Ramp::Red, Ramp::Parchment); }
    { Painter p(canvas, 7, extras); awning(p, Ramp::Leaf, Ramp::Parchment); }

    const int walls = row + 3;
    wallSet(canvas, 0, walls, Surface::Planks, Ramp::Wood);
    wallSet(canvas, 3, walls, Surface::StoneBlocks, Ramp::Stone);
    wallSet(canvas, 6, walls, Surface::Bricks, Ramp::Brick);
    wallSet(canvas, 9, walls, Surface::Plaster, Ramp::Wood);
    wallSet(canvas, 12, walls, Surface::Logs, Ramp::Wood);
    // Single pieces: lit windows, doors, flower boxes.
    {
        Painter p(canvas, 15, walls);
        drawSurface(p, 0, 0, 32, 32, Surface::Plaster);
        drawWindow(p, 7, 5, 18, 20, true, false);
    }
    {
        Painter p(canvas, 16, walls);
        drawSurface(p, 0, 0, 32, 32, Surface::StoneBlocks);
        drawWindow(p, 8, 3, 16, 24, true, true);
    }
    {
        Painter p(canvas, 17, walls);
        drawSurface(p, 0, 0, 32, 32, Surface::Bricks);
        drawWindow(p, 8, 3, 16, 24, false, true, Ramp::Grey);
    }
    { Painter p(canvas, 18, walls); flowerBox(p); }
    { Painter p(canvas, 19, walls); awning(p, Ramp::Water, Ramp::Snow); }
    const Surface doorWalls[] = {Surface::Plaster, Surface::StoneBlocks, Surface::Bricks, Surface::Logs, Surface::Planks};
    const Ramp doorWood[] = {Ramp::Wood, Ramp::Red, Ramp::Leaf, Ramp::Navy, Ramp::Wood};
    for (int i = 0; i < 5; ++i) {
        Painter p(canvas, 15 + i, walls + 1);
        drawSurface(p, 0, 0, 32, 32, doorWalls[i]);
        drawDoor(p, 7, 4, 18, 28, doorWood[i], i % 2 == 1);
    }
    // The house wall's parts without openings, for wider houses.
    for (int i = 0; i < 5; ++i) {
        Painter p(canvas, 15 + i, walls + 2);
        drawSurface(p, 0, 0, 32, 32, doorWalls[i]);
        p.rect(0, 26, 32, 6, C(Ramp::Stone, 4));
        p.hline(0, 31, 26, C(Ramp::Stone, 7));
    }
}

}  // namespace qv::tileset
