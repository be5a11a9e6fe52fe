// Items: potions, keys, coins, chests, weapons and armour, gems, scrolls and
// books, food and tools. Small objects centred in their cells on white.
#include <cmath>

#include "tools/tileset/Art.h"
#include "tools/tileset/Painter.h"

namespace qv::tileset {
namespace {

int top(Ramp r) { return Palette::get().shades(r) - 1; }

void potion(Painter& p, Ramp liquid, int shape) {
    if (shape == 0) {  // round flask
        p.shadedEllipse(16, 20, 8, 8, Ramp::Glass, 3, 5);
        p.shadedEllipse(16, 21, 7, 6, liquid, 1, top(liquid));
        p.rect(13, 7, 6, 6, C(Ramp::Glass, 4));
    } else if (shape == 1) {  // tall bottle
        p.rect(11, 13, 10, 15, C(Ramp::Glass, 4));
        p.shadedColumn(11, 16, 10, 12, liquid, 1, top(liquid));
        p.rect(14, 7, 4, 6, C(Ramp::Glass, 4));
    } else {  // triangular flask
        p.polygon({{16, 9}, {26, 28}, {6, 28}}, C(Ramp::Glass, 4));
        p.polygon({{16, 16}, {23, 28}, {9, 28}}, C(liquid, top(liquid) - 2));
        p.polygon({{16, 16}, {16, 28}, {9, 28}}, C(liquid, top(liquid) - 1));
        p.rect(14, 5, 4, 7, C(Ramp::Glass, 4));
    }
    p.rect(13, 4, 6, 3, C(Ramp::Wood, 5));
    p.px(12, 16, C(Ramp::Snow, 7));
    p.px(12, 17, C(Ramp::Snow, 6));
    p.outline();
}

void key(Painter& p, Ramp metal) {
    p.ellipse(10, 12, 6, 6, C(metal, top(metal) - 3));
    p.ellipse(10, 12, 3, 3, kClear);
    p.px(7, 9, C(metal, top(metal)));
    p.rect(15, 11, 13, 3, C(metal, top(metal) - 2));
    p.hline(15, 27, 11, C(metal, top(metal)));
    p.rect(22, 14, 2, 4, C(metal, top(metal) - 4));
    p.rect(26, 14, 2, 3, C(metal, top(metal) - 4));
    p.outline();
}

void coin(Painter& p, double cx, double cy) {
    p.ellipse(cx, cy + 1, 5, 5, C(Ramp::Gold, 3));
    p.shadedEllipse(cx, cy, 5, 5, Ramp::Gold, 4, 9);
    p.vline(static_cast<int>(cx), static_cast<int>(cy) - 2, static_cast<int>(cy) + 1, C(Ramp::Gold, 3));
}

void chest(Painter& p, bool open, Ramp wood, Ramp band) {
    p.shadedColumn(5, 15, 22, 13, wood, 2, top(wood) - 2);
    if (open) {
        p.rect(5, 8, 22, 7, C(wood, 2));
        p.rect(7, 12, 18, 4, C(Ramp::Ink, 1));
        coin(p, 12, 13);
        coin(p, 19, 12);
    } else {
        p.shadedColumn(5, 9, 22, 6, wood, 3, top(wood) - 1);
    }
    p.hline(5, 26, 15, C(band, top(band) - 2));
    p.rect(5, 9, 2, 19, C(band, top(band) - 3));
    p.rect(25, 9, 2, 19, C(band, top(band) - 4));
    p.rect(14, 14, 4, 5, C(band, top(band) - 1));
    p.px(15, 16, C(Ramp::Ink, 0));
    p.outline();
}

void blade(Painter& p, int x0, int y0, int x1, int y1, int width) {
    for (int w = 0; w < width; ++w) p.line(x0 + w, y0, x1 + w, y1, C(Ramp::Grey, 11 - w * 3));
}

void sword(Painter& p, bool big) {
    const int len = big ? 20 : 14;
    blade(p, 25, 5, 25 - len, 5 + len, 3);
    p.line(8, 18, 15, 25, C(Ramp::Gold, 6));
    p.line(9, 18, 16, 25, C(Ramp::Gold, 4));
    p.line(10, 23, 6, 27, C(Ramp::Wood, 4));
    p.line(11, 23, 7, 27, C(Ramp::Wood, 2));
    p.rect(4, 27, 3, 3, C(Ramp::Gold, 7));
    p.outline();
}

void axe(Painter& p) {
    p.line(8, 27, 22, 6, C(Ramp::Wood, 6));
    p.line(9, 27, 23, 6, C(Ramp::Wood, 3));
    p.polygon({{16, 8}, {27, 4}, {29, 15}, {21, 16}}, C(Ramp::Grey, 8));
    p.polygon({{25, 5}, {27, 4}, {29, 15}, {27, 15}}, C(Ramp::Grey, 11));
    p.outline();
}

void hammer(Painter& p) {
    p.line(8, 27, 20, 11, C(Ramp::Wood, 6));
    p.line(9, 27, 21, 11, C(Ramp::Wood, 3));
    p.polygon({{12, 8}, {22, 2}, {29, 12}, {19, 18}}, C(Ramp::Grey, 6));
    p.polygon({{12, 8}, {22, 2}, {24, 5}, {14, 11}}, C(Ramp::Grey, 9));
    p.outline();
}

void bow(Painter& p) {
    for (int a = -60; a <= 60; a += 3) {
        const double r = a * 3.14159 / 180;
        const int x = static_cast<int>(10 + std::cos(r) * 12), y = static_cast<int>(16 + std::sin(r) * 13);
        p.rect(x, y, 2, 2, C(Ramp::Wood, 5 + (a < 0)));
    }
    p.vline(15, 5, 27, C(Ramp::Parchment, 5));
    p.rect(20, 14, 3, 5, C(Ramp::Red, 4));
    p.outline();
}

void arrows(Painter& p) {
    for (int i = 0; i < 3; ++i) {
        p.line(6 + i * 4, 27, 20 + i * 4, 7, C(Ramp::Wood, 6));
        p.polygon({{19.0 + i * 4, 5}, {24.0 + i * 4, 4}, {22.0 + i * 4, 10}}, C(Ramp::Grey, 9));
        p.rect(5 + i * 4, 25, 3, 3, C(Ramp::Red, 6));
    }
    p.outline();
}

void spear(Painter& p) {
    p.line(5, 28, 22, 11, C(Ramp::Wood, 6));
    p.line(6, 28, 23, 11, C(Ramp::Wood, 3));
    p.polygon({{20, 10}, {28, 3}, {25, 13}}, C(Ramp::Grey, 10));
    p.rect(19, 12, 3, 3, C(Ramp::Red, 5));
    p.outline();
}

void staff(Painter& p, Ramp orb) {
    p.line(8, 29, 20, 9, C(Ramp::Wood, 5));
    p.line(9, 29, 21, 9, C(Ramp::Wood, 2));
    p.shadedEllipse(22, 7, 5, 5, orb, 2, top(orb));
    p.outline();
}

void dagger(Painter& p) {
    blade(p, 22, 8, 14, 16, 2);
    p.line(10, 14, 15, 19, C(Ramp::Gold, 6));
    p.line(12, 19, 8, 23, C(Ramp::Wood, 3));
    p.outline();
}

void shield(Painter& p, bool round) {
    if (round) {
        p.shadedEllipse(16, 16, 12, 12, Ramp::Wood, 2, 8);
        p.ellipse(16, 16, 12, 12, kClear);
        p.shadedEllipse(16, 16, 11, 11, Ramp::Wood, 2, 8);
        for (int i = 0; i < 360; i += 4) {
            const double r = i * 3.14159 / 180;
            p.px(static_cast<int>(16 + std::cos(r) * 10.5), static_cast<int>(16 + std::sin(r) * 10.5), C(Ramp::Grey, 7));
        }
        p.shadedEllipse(16, 16, 3.5, 3.5, Ramp::Grey, 4, 11);
    } else {
        p.polygon({{5, 4}, {27, 4}, {27, 14}, {16, 29}, {5, 14}}, C(Ramp::Navy, 4));
        p.polygon({{5, 4}, {16, 4}, {16, 29}, {5, 14}}, C(Ramp::Navy, 6));
        p.rect(14, 7, 4, 17, C(Ramp::Gold, 7));
        p.rect(8, 11, 16, 4, C(Ramp::Gold, 6));
    }
    p.outline();
}

void helmet(Painter& p) {
    p.shadedEllipse(16, 17, 11, 11, Ramp::Grey, 3, 11);
    p.rect(4, 22, 24, 8, kClear);
    p.rect(6, 17, 20, 3, C(Ramp::Ink, 1));
    p.rect(15, 17, 2, 8, C(Ramp::Grey, 6));
    p.rect(14, 3, 4, 4, C(Ramp::Red, 6));
    p.outline();
}

void armour(Painter& p) {
    p.polygon({{6, 6}, {12, 4}, {16, 8}, {20, 4}, {26, 6}, {27, 14}, {24, 14}, {24, 28}, {8, 28}, {8, 14}, {5, 14}}, C(Ramp::Grey, 8));
    p.shadedColumn(10, 9, 12, 19, Ramp::Grey, 4, 11);
    p.hline(8, 23, 22, C(Ramp::Wood, 3));
    p.px(16, 22, C(Ramp::Gold, 7));
    p.outline();
}

void boots(Painter& p) {
    for (int i = 0; i < 2; ++i) {
        const int x = 5 + i * 12;
        p.shadedColumn(x, 8, 7, 16, Ramp::Wood, 2, 7);
        p.rect(x, 22, 11, 5, C(Ramp::Wood, 3));
        p.hline(x, x + 10, 26, C(Ramp::Wood, 1));
    }
    p.outline();
}

void ring(Painter& p, Ramp gem) {
    p.ellipse(16, 19, 8, 7, C(Ramp::Gold, 6));
    p.ellipse(16, 19, 5.5, 4.5, kClear);
    p.px(11, 16, C(Ramp::Gold, 9));
    p.shadedEllipse(16, 11, 4, 4, gem, 2, top(gem));
    p.outline();
}

void amulet(Painter& p) {
    for (int i = 0; i <= 20; ++i) {
        const double t = i / 20.0 * 3.14159;
        p.px(static_cast<int>(16 - std::cos(t) * 10), static_cast<int>(5 + std::sin(t) * 12), C(Ramp::Gold, 6));
    }
    p.shadedEllipse(16, 20, 5, 6, Ramp::Teal, 1, 7);
    p.outline();
}

void gem(Painter& p, Ramp r) {
    p.polygon({{9, 12}, {13, 7}, {19, 7}, {23, 12}, {16, 25}}, C(r, top(r) - 3));
    p.polygon({{9, 12}, {13, 7}, {16, 7}, {16, 25}}, C(r, top(r) - 1));
    p.polygon({{9, 12}, {23, 12}, {16, 25}}, C(r, top(r) - 4));
    p.polygon({{9, 12}, {16, 12}, {16, 25}}, C(r, top(r) - 2));
    p.px(13, 9, C(Ramp::Snow, 7));
    p.outline();
}

void scroll(Painter& p) {
    p.rect(8, 8, 16, 16, C(Ramp::Parchment, 4));
    p.rect(8, 8, 3, 16, C(Ramp::Parchment, 5));
    for (int y = 11; y < 22; y += 3) p.hline(12, 21, y, C(Ramp::Parchment, 1));
    p.shadedColumn(6, 5, 20, 4, Ramp::Parchment, 2, 5);
    p.shadedColumn(6, 23, 20, 4, Ramp::Parchment, 2, 5);
    p.rect(14, 22, 4, 5, C(Ramp::Red, 5));
    p.outline();
}

void book(Painter& p, Ramp cover) {
    p.rect(7, 6, 18, 22, C(cover, 4));
    p.rect(7, 6, 3, 22, C(cover, 2));
    p.rect(23, 8, 3, 19, C(Ramp::Parchment, 5));
    p.rect(12, 10, 9, 6, C(Ramp::Gold, 6));
    p.rect(13, 11, 7, 4, C(cover, 5));
    p.outline();
}

void mapItem(Painter& p) {
    p.polygon({{4, 8}, {12, 6}, {20, 8}, {28, 6}, {28, 24}, {20, 26}, {12, 24}, {4, 26}}, C(Ramp::Parchment, 4));
    p.polygon({{12, 6}, {20, 8}, {20, 26}, {12, 24}}, C(Ramp::Parchment, 3));
    p.line(7, 20, 14, 14, C(Ramp::Red, 4));
    p.line(14, 14, 22, 17, C(Ramp::Red, 4));
    p.line(22, 11, 25, 14, C(Ramp::Red, 6));
    p.line(25, 11, 22, 14, C(Ramp::Red, 6));
    p.outline();
}

void apple(Painter& p) {
    p.shadedEllipse(16, 18, 9, 8.5, Ramp::Red, 2, 9);
    p.line(16, 10, 17, 6, C(Ramp::Wood, 3));
    p.ellipse(20, 8, 3, 1.5, C(Ramp::Grass, 7));
    p.outline();
}

void bread(Painter& p) {
    p.shadedEllipse(16, 18, 12, 7, Ramp::Orange, 2, 7);
    for (int i = 0; i < 3; ++i) p.line(10 + i * 5, 15, 13 + i * 5, 20, C(Ramp::Orange, 6));
    p.outline();
}

void cheese(Painter& p) {
    p.polygon({{5, 14}, {26, 8}, {27, 25}, {5, 25}}, C(Ramp::Gold, 7));
    p.polygon({{5, 14}, {26, 8}, {26, 12}, {5, 18}}, C(Ramp::Gold, 9));
    p.ellipse(12, 21, 2, 1.5, C(Ramp::Gold, 4));
    p.ellipse(20, 18, 1.5, 1.5, C(Ramp::Gold, 4));
    p.outline();
}

void meat(Painter& p) {
    p.shadedEllipse(14, 15, 9, 8, Ramp::Red, 2, 7);
    p.rect(20, 19, 6, 3, C(Ramp::Parchment, 5));
    p.shadedEllipse(27, 20, 2.5, 2.5, Ramp::Parchment, 3, 5);
    p.outline();
}

void fish(Painter& p) {
    p.shadedEllipse(14, 16, 10, 5, Ramp::Water, 4, 12);
    p.polygon({{22, 16}, {29, 10}, {29, 22}}, C(Ramp::Water, 6));
    p.px(9, 15, C(Ramp::Ink, 0));
    p.outline();
}

void heart(Painter& p) {
    p.shadedEllipse(11, 12, 6, 6, Ramp::Red, 4, 9);
    p.shadedEllipse(21, 12, 6, 6, Ramp::Red, 3, 8);
    p.polygon({{5.5, 13}, {26.5, 13}, {16, 27}}, C(Ramp::Red, 4));
    p.px(9, 10, C(Ramp::Snow, 7));
    p.outline();
}

void star(Painter& p) {
    p.polygon({{16, 3}, {19.5, 12}, {29, 12}, {21.5, 18}, {24.5, 28}, {16, 22}, {7.5, 28}, {10.5, 18}, {3, 12}, {12.5, 12}}, C(Ramp::Gold, 7));
    p.polygon({{16, 3}, {16, 22}, {7.5, 28}, {10.5, 18}, {3, 12}, {12.5, 12}}, C(Ramp::Gold, 9));
    p.outline();
}

void torch(Painter& p) {
    p.shadedColumn(14, 14, 4, 15, Ramp::Wood, 2, 6);
    p.shadedEllipse(16, 10, 5, 6, Ramp::Fire, 2, 5);
    p.shadedEllipse(16, 12, 2.5, 3, Ramp::Fire, 4, 5);
    p.outline();
}

void lantern(Painter& p) {
    p.rect(10, 9, 12, 16, C(Ramp::Ink, 2));
    p.shadedEllipse(16, 17, 4, 6, Ramp::Fire, 3, 5);
    p.rect(9, 7, 14, 3, C(Ramp::Grey, 4));
    p.rect(9, 24, 14, 3, C(Ramp::Grey, 4));
    p.ellipse(16, 5, 3, 2.5, C(Ramp::Grey, 5));
    p.ellipse(16, 5, 1.5, 1, kClear);
    p.outline();
}

void bomb(Painter& p) {
    p.shadedEllipse(15, 19, 9, 9, Ramp::Slate, 0, 5);
    p.rect(18, 8, 4, 3, C(Ramp::Grey, 6));
    p.line(21, 8, 24, 4, C(Ramp::Parchment, 4));
    p.px(25, 3, C(Ramp::Fire, 5));
    p.px(24, 2, C(Ramp::Fire, 4));
    p.outline();
}

void bag(Painter& p, Ramp cloth) {
    p.shadedEllipse(16, 20, 10, 9, cloth, 1, top(cloth) - 1);
    p.polygon({{11, 7}, {21, 7}, {18, 12}, {14, 12}}, C(cloth, 3));
    p.hline(13, 19, 12, C(Ramp::Gold, 7));
    p.outline();
}

void tool(Painter& p, int kind) {
    p.line(6, 29, 22, 9, C(Ramp::Wood, 6));
    p.line(7, 29, 23, 9, C(Ramp::Wood, 3));
    if (kind == 0) {  // pickaxe
        for (int a = -50; a <= 50; a += 4) {
            const double r = (a - 45) * 3.14159 / 180;
            p.rect(static_cast<int>(22 + std::cos(r) * 12), static_cast<int>(9 + std::sin(r) * 12) + 12, 2, 2, C(Ramp::Grey, 8));
        }
    } else if (kind == 1) {  // shovel
        p.polygon({{19, 4}, {27, 2}, {29, 10}, {24, 15}}, C(Ramp::Grey, 8));
    } else {  // fishing rod
        p.line(22, 9, 28, 3, C(Ramp::Wood, 5));
        p.line(28, 3, 29, 20, C(Ramp::Parchment, 5));
        p.rect(28, 20, 2, 3, C(Ramp::Red, 6));
    }
    p.outline();
}

}  // namespace

void drawItems(Canvas& canvas, int row) {
    int n = 0;
    auto cell = [&] { Painter p(canvas, n % 20, row + n / 20); ++n; return p; };
    const Ramp liquids[] = {Ramp::Red, Ramp::Water, Ramp::Lime, Ramp::Purple, Ramp::Gold, Ramp::Pink};
    for (int shape = 0; shape < 2; ++shape)
        for (const Ramp r : liquids) { Painter p = cell(); potion(p, r, shape); }
    for (const Ramp r : {Ramp::Teal, Ramp::Orange}) { Painter p = cell(); potion(p, r, 2); }
    for (const Ramp r : {Ramp::Gold, Ramp::Grey, Ramp::Orange}) { Painter p = cell(); key(p, r); }
    { Painter p = cell(); coin(p, 16, 16); p.outline(); }
    { Painter p = cell(); for (int i = 0; i < 4; ++i) coin(p, 16, 24 - i * 3); p.outline(); }
    { Painter p = cell(); coin(p, 10, 22); coin(p, 20, 23); coin(p, 15, 17); coin(p, 22, 15); coin(p, 9, 14); p.outline(); }
    // Row two: chests, weapons.
    { Painter p = cell(); chest(p, false, Ramp::Wood, Ramp::Grey); }
    { Painter p = cell(); chest(p, true, Ramp::Wood, Ramp::Grey); }
    { Painter p = cell(); chest(p, false, Ramp::Red, Ramp::Gold); }
    { Painter p = cell(); chest(p, true, Ramp::Red, Ramp::Gold); }
    { Painter p = cell(); sword(p, false); }
    { Painter p = cell(); sword(p, true); }
    { Painter p = cell(); dagger(p); }
    { Painter p = cell(); axe(p); }
    { Painter p = cell(); hammer(p); }
    { Painter p = cell(); spear(p); }
    { Painter p = cell(); bow(p); }
    { Painter p = cell(); arrows(p); }
    { Painter p = cell(); staff(p, Ramp::Water); }
    { Painter p = cell(); staff(p, Ramp::Red); }
    { Painter p = cell(); shield(p, true); }
    { Painter p = cell(); shield(p, false); }
    { Painter p = cell(); helmet(p); }
    { Painter p = cell(); armour(p); }
    { Painter p = cell(); boots(p); }
    { Painter p = cell(); bag(p, Ramp::Dirt); }
    // Row three: jewellery, gems, paper.
    for (const Ramp r : {Ramp::Red, Ramp::Water}) { Painter p = cell(); ring(p, r); }
    { Painter p = cell(); amulet(p); }
    for (const Ramp r : {Ramp::Red, Ramp::Water, Ramp::Lime, Ramp::Purple, Ramp::Gold, Ramp::Teal, Ramp::Pink}) { Painter p = cell(); gem(p, r); }
    { Painter p = cell(); scroll(p); }
    for (const Ramp r : {Ramp::Red, Ramp::Navy, Ramp::Leaf, Ramp::Purple}) { Painter p = cell(); book(p, r); }
    { Painter p = cell(); mapItem(p); }
    { Painter p = cell(); heart(p); }
    { Painter p = cell(); star(p); }
    { Painter p = cell(); bag(p, Ramp::Purple); }
    // Row four: food, light, tools.
    { Painter p = cell(); apple(p); }
    { Painter p = cell(); bread(p); }
    { Painter p = cell(); cheese(p); }
    { Painter p = cell(); meat(p); }
    { Painter p = cell(); fish(p); }
    { Painter p = cell(); torch(p); }
    { Painter p = cell(); lantern(p); }
    { Painter p = cell(); bomb(p); }
    for (int k = 0; k < 3; ++k) { Painter p = cell(); tool(p, k); }
    { Painter p = cell(); potion(p, Ramp::Fire, 0); }
    { Painter p = cell(); potion(p, Ramp::Snow, 1); }
    { Painter p = cell(); gem(p, Ramp::Glass); }
    { Painter p = cell(); key(p, Ramp::Purple); }
    { Painter p = cell(); shield(p, true); p.recolour(C(Ramp::Grey, 7), C(Ramp::Gold, 6)); }
    { Painter p = cell(); heart(p); p.recolour(C(Ramp::Red, 4), C(Ramp::Purple, 4)); }
    { Painter p = cell(); star(p); p.recolour(C(Ramp::Gold, 7), C(Ramp::Snow, 5)); p.recolour(C(Ramp::Gold, 9), C(Ramp::Snow, 7)); }
    { Painter p = cell(); book(p, Ramp::Gold); }
    { Painter p = cell(); apple(p); p.recolour(C(Ramp::Red, 9), C(Ramp::Lime, 6)); }
    { Painter p = cell(); potion(p, Ramp::Lime, 2); }
}

}  // namespace qv::tileset
