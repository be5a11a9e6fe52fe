// Furniture: tables and chairs (chairs in four facings), beds, shelves and
// cupboards (two cells tall), storage, pots, lights, rugs and kitchen things.
#include <cmath>

#include "tools/tileset/Art.h"
#include "tools/tileset/Painter.h"

namespace qv::tileset {
namespace {

int top(Ramp r) { return Palette::get().shades(r) - 1; }

void table(Painter& p, Ramp wood, Ramp cloth, bool round) {
    if (round) {
        p.rect(9, 20, 3, 9, C(wood, 3));
        p.rect(20, 20, 3, 9, C(wood, 2));
        p.ellipse(16, 15, 14, 8, C(wood, 3));
        p.ellipse(16, 14, 14, 7.5, C(cloth == Ramp::Count ? wood : cloth, cloth == Ramp::Count ? 7 : top(cloth) - 1));
    } else {
        p.rect(3, 17, 3, 12, C(wood, 3));
        p.rect(26, 17, 3, 12, C(wood, 2));
        p.rect(2, 9, 28, 9, C(wood, 7));
        p.hline(2, 29, 9, C(wood, 9));
        p.rect(2, 16, 28, 3, C(wood, 4));
        if (cloth != Ramp::Count) {
            p.rect(2, 9, 28, 8, C(cloth, top(cloth) - 1));
            p.rect(10, 9, 12, 11, C(cloth, top(cloth) - 2));
        }
    }
    p.outline();
}

void chair(Painter& p, Ramp wood, int facing) {
    // 0 down (back at the top), 1 left, 2 right, 3 up (back at the bottom)
    if (facing == 0 || facing == 3) {
        p.rect(9, 17, 2, 11, C(wood, 3));
        p.rect(21, 17, 2, 11, C(wood, 2));
        p.rect(8, 15, 16, 5, C(wood, 7));
        p.hline(8, 23, 15, C(wood, 9));
        if (facing == 0) {
            p.rect(9, 3, 14, 12, C(wood, 5));
            p.rect(11, 5, 10, 8, C(wood, 6));
        } else {
            p.rect(8, 15, 16, 12, C(wood, 5));
            p.hline(8, 23, 15, C(wood, 8));
        }
    } else {
        p.rect(10, 18, 2, 11, C(wood, 3));
        p.rect(20, 18, 2, 11, C(wood, 2));
        p.rect(9, 16, 14, 4, C(wood, 7));
        p.rect(9, 4, 3, 16, C(wood, 5));
        p.vline(9, 4, 19, C(wood, 8));
        if (facing == 1) p.flipHorizontally();
    }
    p.outline();
}

void stool(Painter& p, Ramp wood) {
    p.rect(10, 18, 2, 10, C(wood, 3));
    p.rect(20, 18, 2, 10, C(wood, 2));
    p.ellipse(16, 16, 8, 4, C(wood, 7));
    p.hline(10, 21, 14, C(wood, 9));
    p.outline();
}

void bed(Painter& p, Ramp blanket) {
    // Two cells tall: head at the top.
    p.rect(3, 2, 26, 8, C(Ramp::Wood, 4));
    p.hline(3, 28, 2, C(Ramp::Wood, 7));
    p.rect(4, 10, 24, 48, C(Ramp::Wood, 3));
    p.rect(5, 10, 22, 10, C(Ramp::Snow, 6));
    p.shadedEllipse(16, 14, 8, 3.5, Ramp::Snow, 4, 7);
    p.gradient(5, 21, 22, 36, blanket, 2, top(blanket) - 1);
    p.hline(5, 26, 21, C(Ramp::Snow, 6));
    p.hline(5, 26, 22, C(Ramp::Snow, 4));
    p.rect(3, 57, 26, 5, C(Ramp::Wood, 5));
    p.outline();
}

void bookshelf(Painter& p, std::uint32_t seed) {
    p.rect(2, 2, 28, 60, C(Ramp::Wood, 3));
    p.frame(2, 2, 28, 60, C(Ramp::Wood, 6));
    const Ramp covers[] = {Ramp::Red, Ramp::Navy, Ramp::Leaf, Ramp::Gold, Ramp::Purple, Ramp::Teal, Ramp::Brick};
    for (int shelf = 0; shelf < 4; ++shelf) {
        const int y = 4 + shelf * 14;
        p.rect(3, y + 12, 26, 2, C(Ramp::Wood, 7));
        for (int x = 4, i = 0; x < 27; ++i) {
            const int w = 2 + static_cast<int>((seed * 7 + i * 13 + shelf * 5) % 3);
            const int h = 8 + static_cast<int>((seed + i * 5 + shelf) % 4);
            const Ramp r = covers[(seed + i + shelf * 3) % 7];
            if (x + w > 28) break;
            p.rect(x, y + 12 - h, w, h, C(r, 4));
            p.vline(x, y + 12 - h, y + 11, C(r, 6));
            x += w + ((i % 4 == 3) ? 2 : 0);
        }
    }
    p.outline();
}

void wardrobe(Painter& p, Ramp wood) {
    p.rect(3, 4, 26, 58, C(wood, 5));
    p.rect(2, 2, 28, 3, C(wood, 7));
    p.vline(16, 6, 58, C(wood, 2));
    p.frame(5, 7, 9, 50, C(wood, 3));
    p.frame(18, 7, 9, 50, C(wood, 3));
    p.rect(13, 30, 2, 4, C(Ramp::Gold, 7));
    p.rect(18, 30, 2, 4, C(Ramp::Gold, 6));
    p.outline();
}

void drawers(Painter& p, Ramp wood) {
    p.rect(3, 6, 26, 23, C(wood, 5));
    p.hline(3, 28, 6, C(wood, 8));
    for (int i = 0; i < 3; ++i) {
        p.frame(5, 9 + i * 6, 22, 5, C(wood, 3));
        p.rect(15, 11 + i * 6, 2, 1, C(Ramp::Gold, 7));
    }
    p.outline();
}

void barrel(Painter& p, bool open) {
    p.shadedColumn(7, 6, 18, 22, Ramp::Wood, 2, 8);
    for (int y : {9, 24}) p.rect(6, y, 20, 2, C(Ramp::Grey, 4));
    p.ellipse(16, 6, 9, 3, C(Ramp::Wood, open ? 2 : 7));
    if (open) p.ellipse(16, 6, 7, 2, C(Ramp::Water, 6));
    p.outline();
}

void crate(Painter& p, bool small) {
    const int s = small ? 16 : 24, x = 16 - s / 2, y = 29 - s;
    p.rect(x, y, s, s, C(Ramp::Wood, 6));
    p.frame(x, y, s, s, C(Ramp::Wood, 3));
    p.line(x + 1, y + 1, x + s - 2, y + s - 2, C(Ramp::Wood, 4));
    p.line(x + 1, y + 2, x + s - 3, y + s - 2, C(Ramp::Wood, 8));
    p.outline();
}

void sack(Painter& p, Ramp r) {
    p.shadedEllipse(16, 20, 10, 9, r, 2, top(r) - 1);
    p.polygon({{12, 6}, {20, 6}, {18, 12}, {14, 12}}, C(r, 4));
    p.hline(13, 19, 11, C(Ramp::Wood, 2));
    p.outline();
}

void vase(Painter& p, Ramp r, int shape) {
    if (shape == 0) {
        p.shadedEllipse(16, 19, 9, 9, r, 1, top(r) - 1);
        p.rect(12, 6, 8, 6, C(r, 4));
        p.hline(11, 20, 6, C(r, top(r) - 1));
    } else {
        p.shadedEllipse(16, 22, 7, 7, r, 1, top(r) - 1);
        p.shadedColumn(13, 6, 6, 12, r, 1, top(r) - 1);
    }
    p.hline(9, 23, 19, C(Ramp::Gold, 6));
    p.outline();
}

void plantPot(Painter& p, Ramp leaves) {
    p.polygon({{9, 20}, {23, 20}, {21, 29}, {11, 29}}, C(Ramp::Brick, 5));
    p.rect(8, 18, 16, 3, C(Ramp::Brick, 6));
    p.shadedEllipse(16, 11, 9, 8, leaves, 1, top(leaves) - 1);
    p.outline();
}

void candle(Painter& p, int count) {
    for (int i = 0; i < count; ++i) {
        const int x = 16 - (count - 1) * 4 + i * 8;
        p.rect(x - 2, 14, 4, 12, C(Ramp::Parchment, 5));
        p.vline(x - 2, 14, 25, C(Ramp::Parchment, 4));
        p.shadedEllipse(x, 10, 2, 3.5, Ramp::Fire, 3, 5);
    }
    p.rect(16 - count * 4 - 2, 26, count * 8 + 4, 3, C(Ramp::Gold, 5));
    p.outline();
}

void lamp(Painter& p) {
    p.rect(15, 12, 2, 16, C(Ramp::Slate, 3));
    p.rect(11, 27, 10, 2, C(Ramp::Slate, 2));
    p.polygon({{9, 14}, {12, 3}, {20, 3}, {23, 14}}, C(Ramp::Gold, 8));
    p.polygon({{9, 14}, {12, 3}, {15, 3}, {14, 14}}, C(Ramp::Gold, 9));
    p.outline();
}

void rug(Painter& p, Ramp r, int part) {
    // A rug three cells wide: left end, middle, right end.
    p.rect(0, 4, 32, 24, C(r, 4));
    p.hline(0, 31, 6, C(Ramp::Gold, 6));
    p.hline(0, 31, 25, C(Ramp::Gold, 6));
    for (int x = 0; x < 32; ++x)
        for (int y = 9; y < 23; ++y)
            if ((std::abs((x % 8) - 4) + std::abs(y - 16)) % 7 == 0) p.px(x, y, C(r, 6));
    if (part == 0) {
        p.rect(0, 4, 3, 24, kClear);
        for (int y = 5; y < 28; y += 2) p.px(2, y, C(Ramp::Parchment, 5));
        p.vline(4, 6, 25, C(Ramp::Gold, 6));
    }
    if (part == 2) {
        p.rect(29, 4, 3, 24, kClear);
        for (int y = 5; y < 28; y += 2) p.px(29, y, C(Ramp::Parchment, 5));
        p.vline(27, 6, 25, C(Ramp::Gold, 6));
    }
}

void fireplace(Painter& p) {
    p.rect(2, 4, 28, 26, C(Ramp::Stone, 5));
    p.rect(1, 2, 30, 4, C(Ramp::Stone, 8));
    p.rect(7, 12, 18, 18, C(Ramp::Ink, 0));
    p.ellipse(16, 12, 9, 5, C(Ramp::Ink, 0));
    p.polygon({{9, 29}, {16, 14}, {23, 29}}, C(Ramp::Fire, 3));
    p.polygon({{12, 29}, {16, 19}, {20, 29}}, C(Ramp::Fire, 5));
    p.outline();
}

void stove(Painter& p) {
    p.rect(4, 8, 24, 21, C(Ramp::Slate, 2));
    p.rect(4, 6, 24, 3, C(Ramp::Slate, 4));
    p.rect(8, 14, 16, 10, C(Ramp::Ink, 0));
    p.rect(10, 18, 12, 5, C(Ramp::Fire, 3));
    p.ellipse(10, 6, 4, 1.5, C(Ramp::Grey, 6));
    p.ellipse(22, 6, 4, 1.5, C(Ramp::Grey, 6));
    p.outline();
}

void cauldron(Painter& p) {
    p.shadedEllipse(16, 19, 12, 9, Ramp::Slate, 0, 4);
    p.ellipse(16, 12, 11, 3, C(Ramp::Lime, 4));
    p.ellipse(13, 11, 2, 1, C(Ramp::Lime, 6));
    p.rect(8, 27, 3, 3, C(Ramp::Slate, 1));
    p.rect(21, 27, 3, 3, C(Ramp::Slate, 1));
    p.outline();
}

void anvil(Painter& p) {
    p.polygon({{3, 10}, {27, 10}, {29, 13}, {23, 16}, {9, 16}, {3, 13}}, C(Ramp::Slate, 4));
    p.hline(4, 27, 10, C(Ramp::Slate, 7));
    p.rect(12, 16, 8, 6, C(Ramp::Slate, 2));
    p.rect(8, 22, 16, 6, C(Ramp::Slate, 3));
    p.outline();
}

void clock(Painter& p) {
    p.rect(8, 8, 16, 54, C(Ramp::Wood, 4));
    p.rect(7, 4, 18, 6, C(Ramp::Wood, 6));
    p.shadedEllipse(16, 16, 6, 6, Ramp::Parchment, 3, 5);
    p.line(16, 16, 16, 12, C(Ramp::Ink, 0));
    p.line(16, 16, 19, 17, C(Ramp::Ink, 0));
    p.rect(12, 26, 8, 26, C(Ramp::Wood, 2));
    p.vline(16, 26, 44, C(Ramp::Gold, 5));
    p.shadedEllipse(16, 45, 3, 3, Ramp::Gold, 4, 9);
    p.outline();
}

void bench(Painter& p, Ramp wood) {
    p.rect(3, 12, 26, 6, C(wood, 7));
    p.hline(3, 28, 12, C(wood, 9));
    p.rect(5, 18, 3, 10, C(wood, 3));
    p.rect(24, 18, 3, 10, C(wood, 2));
    p.outline();
}

void throne(Painter& p) {
    p.rect(6, 2, 20, 26, C(Ramp::Gold, 5));
    p.rect(9, 5, 14, 16, C(Ramp::Red, 4));
    p.rect(4, 16, 24, 6, C(Ramp::Gold, 6));
    p.rect(8, 20, 16, 5, C(Ramp::Red, 6));
    p.rect(6, 27, 3, 3, C(Ramp::Gold, 3));
    p.rect(23, 27, 3, 3, C(Ramp::Gold, 3));
    p.shadedEllipse(16, 3, 2, 2, Ramp::Water, 3, 12);
    p.outline();
}

void mirror(Painter& p) {
    p.ellipse(16, 14, 10, 13, C(Ramp::Gold, 5));
    p.shadedEllipse(16, 14, 8, 11, Ramp::Glass, 2, 5);
    p.line(11, 12, 15, 7, C(Ramp::Glass, 5));
    p.outline();
}

void piano(Painter& p) {
    p.rect(2, 4, 28, 18, C(Ramp::Ink, 1));
    p.hline(2, 29, 4, C(Ramp::Ink, 3));
    p.rect(3, 16, 26, 5, C(Ramp::Snow, 6));
    for (int x = 5; x < 28; x += 3) p.rect(x, 16, 1, 3, C(Ramp::Ink, 0));
    p.rect(4, 22, 2, 7, C(Ramp::Ink, 2));
    p.rect(26, 22, 2, 7, C(Ramp::Ink, 2));
    p.outline();
}

}  // namespace

void drawFurniture(Canvas& canvas, int row) {
    // Rows one and two: two-cell-tall pieces on the left.
    const Ramp blankets[] = {Ramp::Red, Ramp::Water, Ramp::Leaf, Ramp::Purple};
    int col = 0;
    for (const Ramp b : blankets) { Painter p(canvas, col++, row, 1, 2); bed(p, b); }
    for (std::uint32_t s = 0; s < 2; ++s) { Painter p(canvas, col++, row, 1, 2); bookshelf(p, s + 1); }
    for (const Ramp w : {Ramp::Wood, Ramp::Dirt}) { Painter p(canvas, col++, row, 1, 2); wardrobe(p, w); }
    { Painter p(canvas, col++, row, 1, 2); clock(p); }
    // The rest of those two rows: chairs in four facings, two woods; tables.
    for (int r = 0; r < 2; ++r) {
        int c = col;
        const Ramp wood = r == 0 ? Ramp::Wood : Ramp::Dirt;
        for (int f = 0; f < 4; ++f) { Painter p(canvas, c++, row + r); chair(p, wood, f); }
        { Painter p(canvas, c++, row + r); stool(p, wood); }
        { Painter p(canvas, c++, row + r); table(p, wood, Ramp::Count, false); }
        { Painter p(canvas, c++, row + r); table(p, wood, Ramp::Count, true); }
        { Painter p(canvas, c++, row + r); table(p, wood, r == 0 ? Ramp::Snow : Ramp::Red, false); }
        { Painter p(canvas, c++, row + r); table(p, wood, r == 0 ? Ramp::Parchment : Ramp::Teal, true); }
        { Painter p(canvas, c++, row + r); bench(p, wood); }
        { Painter p(canvas, c++, row + r); drawers(p, wood); }
    }
    // Row three: storage, pots, plants.
    int n = 0;
    auto cell = [&](int r) { Painter p(canvas, n % 20, row + r); ++n; return p; };
    { Painter p = cell(2); barrel(p, false); }
    { Painter p = cell(2); barrel(p, true); }
    { Painter p = cell(2); crate(p, false); }
    { Painter p = cell(2); crate(p, true); }
    for (const Ramp r : {Ramp::Canvas, Ramp::Dirt}) { Painter p = cell(2); sack(p, r); }
    for (const Ramp r : {Ramp::Brick, Ramp::Water, Ramp::Teal, Ramp::Purple}) { Painter p = cell(2); vase(p, r, 0); }
    for (const Ramp r : {Ramp::Orange, Ramp::Slate}) { Painter p = cell(2); vase(p, r, 1); }
    for (const Ramp r : {Ramp::Leaf, Ramp::Grass, Ramp::Pink}) { Painter p = cell(2); plantPot(p, r); }
    { Painter p = cell(2); candle(p, 1); }
    { Painter p = cell(2); candle(p, 3); }
    { Painter p = cell(2); lamp(p); }
    { Painter p = cell(2); mirror(p); }
    // Row four: rugs, hearth and kitchen, grand pieces.
    n = 0;
    for (const Ramp r : {Ramp::Red, Ramp::Navy}) for (int part = 0; part < 3; ++part) { Painter p = cell(3); rug(p, r, part); }
    { Painter p = cell(3); fireplace(p); }
    { Painter p = cell(3); stove(p); }
    { Painter p = cell(3); cauldron(p); }
    { Painter p = cell(3); anvil(p); }
    { Painter p = cell(3); throne(p); }
    { Painter p = cell(3); piano(p); }
    for (const Ramp r : {Ramp::Purple, Ramp::Leaf}) for (int part = 0; part < 3; ++part) { Painter p = cell(3); rug(p, r, part); }
    { Painter p = cell(3); stool(p, Ramp::Red); }
    { Painter p = cell(3); drawers(p, Ramp::Red); }
}

}  // namespace qv::tileset
