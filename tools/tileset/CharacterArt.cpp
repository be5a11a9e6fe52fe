// The lowest rows: walking characters. Each character takes three columns
// (step, stand, other step) and four rows (facing down, left, right, up);
// two bands of six characters, then creatures with their own frames.
#include <cmath>

#include "tools/tileset/Art.h"
#include "tools/tileset/Painter.h"

namespace qv::tileset {
namespace {

enum class Facing { Down, Left, Right, Up };
enum class HairStyle { Short, Long, Spiky, Bald };
enum class Headwear { None, WizardHat, Helmet, Hood, Crown, Bandana };

struct Look {
    Ramp skin = Ramp::SkinLight;
    Ramp hair = Ramp::Hair;
    int hairLo = 0, hairHi = 5;
    HairStyle style = HairStyle::Short;
    Ramp shirt = Ramp::Red;
    int shirtLo = 2, shirtHi = 7;
    Ramp legs = Ramp::Navy;
    Ramp boots = Ramp::Wood;
    Headwear hat = Headwear::None;
    Ramp hatRamp = Ramp::Purple;
    bool robe = false;  // a long garment instead of trousers
    bool beard = false;
};

int shades(Ramp r) { return Palette::get().shades(r); }

// Draws facing right for side views; the left view is its mirror image.
void drawCharacter(Painter& p, const Look& look, Facing facing, int frame) {
    const bool side = facing == Facing::Left || facing == Facing::Right;
    const int step = frame == 0 ? -1 : frame == 2 ? 1 : 0;
    const int bob = step != 0 ? 1 : 0;
    const int skinTop = shades(look.skin) - 1;

    // Legs and feet.
    if (!look.robe || true) {
        if (side) {
            const int forward = 3 * step;
            p.rect(14 + forward, 23, 3, 5, C(look.legs, 3));
            p.rect(14 - forward, 23, 3, 5, C(look.legs, 2));
            p.rect(14 + forward, 27, 4, 2, C(look.boots, 2));
            p.rect(14 - forward, 27, 4, 2, C(look.boots, 1));
        } else {
            const int liftL = step < 0 ? 2 : 0, liftR = step > 0 ? 2 : 0;
            p.rect(12, 23, 3, 5 - liftL, C(look.legs, 4));
            p.rect(17, 23, 3, 5 - liftR, C(look.legs, 3));
            p.rect(12, 27 - liftL, 3, 2, C(look.boots, 3));
            p.rect(17, 27 - liftR, 3, 2, C(look.boots, 2));
        }
    }

    // Torso (a robe reaches further down).
    const int torsoTop = 15 + bob;
    const int torsoBottom = look.robe ? 26 : 23;
    if (side) {
        p.shadedColumn(12, torsoTop, 9, torsoBottom - torsoTop + bob, look.shirt, look.shirtLo, look.shirtHi);
    } else {
        p.shadedColumn(10, torsoTop, 12, torsoBottom - torsoTop + bob, look.shirt, look.shirtLo, look.shirtHi);
        if (look.robe) {
            p.px(10, torsoBottom + bob - 1, kClear);
            p.px(21, torsoBottom + bob - 1, kClear);
        }
    }
    if (!look.robe) {
        const int beltY = 21 + bob;
        if (side) p.hline(12, 20, beltY, C(Ramp::Wood, 2));
        else {
            p.hline(10, 21, beltY, C(Ramp::Wood, 2));
            p.px(15, beltY, C(Ramp::Gold, 7));
            p.px(16, beltY, C(Ramp::Gold, 5));
        }
    } else if (facing != Facing::Up) {
        p.vline(side ? 18 : 16, torsoTop + 2, torsoBottom + bob - 1, C(look.shirt, look.shirtHi));
    }

    // Arms swing opposite to the legs.
    if (side) {
        const int swing = -2 * step;
        p.rect(15 + swing, 17 + bob, 3, 5, C(look.shirt, look.shirtLo + 1));
        p.rect(15 + swing, 22 + bob, 3, 2, C(look.skin, skinTop - 2));
    } else {
        const int l = step < 0 ? -1 : 0, r = step > 0 ? -1 : 0;
        p.rect(8, 16 + bob + l, 2, 6, C(look.shirt, look.shirtHi - 1));
        p.rect(22, 16 + bob + r, 2, 6, C(look.shirt, look.shirtLo + 1));
        p.rect(8, 22 + bob + l, 2, 2, C(look.skin, skinTop - 1));
        p.rect(22, 22 + bob + r, 2, 2, C(look.skin, skinTop - 2));
    }

    // Head.
    const double hx = side ? 16.5 : 16, hy = 9 + bob;
    p.shadedEllipse(hx, hy, 7, 6.5, look.skin, 3, skinTop);

    // Face.
    if (facing == Facing::Down) {
        p.rect(12, 10 + bob, 2, 2, C(Ramp::Ink, 0));
        p.rect(18, 10 + bob, 2, 2, C(Ramp::Ink, 0));
        p.px(12, 10 + bob, C(Ramp::Snow, 7));
        p.px(18, 10 + bob, C(Ramp::Snow, 7));
        p.px(11, 13 + bob, C(Ramp::Pink, 5));
        p.px(20, 13 + bob, C(Ramp::Pink, 5));
        if (look.beard) {
            p.ellipse(16, 14 + bob, 5, 3, C(look.hair, look.hairHi - 1));
            p.hline(14, 17, 13 + bob, C(look.hair, look.hairLo + 1));
        }
    } else if (side) {
        p.rect(20, 10 + bob, 2, 2, C(Ramp::Ink, 0));
        p.px(21, 10 + bob, C(Ramp::Snow, 7));
        p.px(23, 12 + bob, C(look.skin, skinTop - 2));
        p.px(20, 13 + bob, C(Ramp::Pink, 5));
        if (look.beard) p.ellipse(20, 14 + bob, 4, 2.5, C(look.hair, look.hairHi - 1));
    }

    // Hair.
    const int hl = look.hairLo, hh = look.hairHi;
    if (look.style != HairStyle::Bald) {
        if (facing == Facing::Up) {
            p.shadedEllipse(hx, hy - 0.5, 7.2, 6.8, look.hair, hl, hh);
            if (look.style == HairStyle::Long) p.rect(10, hy + 2, 12, 6, C(look.hair, hl + 1));
        } else if (side) {
            p.shadedEllipse(hx - 1, hy - 3.5, 7, 4, look.hair, hl, hh);
            p.rect(9, static_cast<int>(hy) - 2, 5, 5, C(look.hair, hl + 1));
            if (look.style == HairStyle::Long) p.rect(9, static_cast<int>(hy), 4, 8, C(look.hair, hl + 1));
            p.px(19, static_cast<int>(hy) - 1, C(look.hair, hl + 2));
        } else {
            p.shadedEllipse(hx, hy - 3.5, 7.4, 4, look.hair, hl, hh);
            p.rect(9, static_cast<int>(hy) - 3, 2, 5, C(look.hair, hl + 1));
            p.rect(21, static_cast<int>(hy) - 3, 2, 5, C(look.hair, hl));
            p.px(13, static_cast<int>(hy) - 1, C(look.hair, hl + 2));
            p.px(17, static_cast<int>(hy) - 1, C(look.hair, hl + 2));
            if (look.style == HairStyle::Long) {
                p.rect(8, static_cast<int>(hy), 3, 8, C(look.hair, hl + 2));
                p.rect(21, static_cast<int>(hy), 3, 8, C(look.hair, hl + 1));
            }
        }
        if (look.style == HairStyle::Spiky)
            for (int i = 0; i < 4; ++i) {
                const double x = 10.5 + i * 3.5;
                p.polygon({{x - 2, hy - 5}, {x + 2, hy - 5}, {x + 1, hy - 10}}, C(look.hair, hh - 1 - i % 2));
            }
    }

    // Headwear.
    const Ramp hr = look.hatRamp;
    const int top = shades(hr) - 1;
    switch (look.hat) {
        case Headwear::None: break;
        case Headwear::WizardHat:
            p.ellipse(hx, hy - 4, 10, 2.2, C(hr, 2));
            p.polygon({{hx - 6, hy - 4}, {hx + 6, hy - 4}, {hx + (side ? -5 : 3), hy - 17}}, C(hr, 4));
            p.polygon({{hx - 6, hy - 4}, {hx - 1, hy - 4}, {hx + (side ? -5 : 3), hy - 16}}, C(hr, 6));
            p.hline(static_cast<int>(hx) - 6, static_cast<int>(hx) + 5, static_cast<int>(hy) - 6, C(Ramp::Gold, 7));
            break;
        case Headwear::Helmet:
            p.shadedEllipse(hx, hy - 2.5, 7.8, 5.5, Ramp::Grey, 3, 11);
            p.rect(static_cast<int>(hx) - 8, static_cast<int>(hy) + 1, 16, 2, kClear);
            p.hline(static_cast<int>(hx) - 8, static_cast<int>(hx) + 7, static_cast<int>(hy), C(Ramp::Grey, 5));
            if (facing == Facing::Down) p.vline(16, static_cast<int>(hy) - 3, static_cast<int>(hy) + 2, C(Ramp::Grey, 4));
            p.px(static_cast<int>(hx) - 1, static_cast<int>(hy) - 9, C(Ramp::Red, 6));
            p.px(static_cast<int>(hx), static_cast<int>(hy) - 9, C(Ramp::Red, 5));
            break;
        case Headwear::Hood:
            if (facing == Facing::Up) p.shadedEllipse(hx, hy - 0.5, 8, 7.5, hr, 1, top - 1);
            else {
                p.shadedEllipse(hx, hy - 3, 8, 5, hr, 1, top - 1);
                p.rect(static_cast<int>(hx) - 8, static_cast<int>(hy) - 3, 2, 8, C(hr, 2));
                if (!side) p.rect(static_cast<int>(hx) + 6, static_cast<int>(hy) - 3, 2, 8, C(hr, 1));
            }
            break;
        case Headwear::Crown:
            p.rect(static_cast<int>(hx) - 5, static_cast<int>(hy) - 8, 11, 3, C(Ramp::Gold, 6));
            for (int i = 0; i < 3; ++i) p.px(static_cast<int>(hx) - 5 + i * 5, static_cast<int>(hy) - 9, C(Ramp::Gold, 8));
            p.px(static_cast<int>(hx), static_cast<int>(hy) - 7, C(Ramp::Red, 6));
            break;
        case Headwear::Bandana:
            p.hline(static_cast<int>(hx) - 7, static_cast<int>(hx) + 6, static_cast<int>(hy) - 4, C(hr, top - 2));
            p.hline(static_cast<int>(hx) - 7, static_cast<int>(hx) + 6, static_cast<int>(hy) - 3, C(hr, top - 4));
            if (facing != Facing::Down) p.rect(8, static_cast<int>(hy) - 3, 2, 4, C(hr, top - 3));
            break;
    }
    p.outline();
    if (facing == Facing::Left) p.flipHorizontally();
}

void drawSheetFor(Canvas& canvas, int col, int row, const Look& look) {
    const Facing order[] = {Facing::Down, Facing::Left, Facing::Right, Facing::Up};
    for (int d = 0; d < 4; ++d)
        for (int f = 0; f < 3; ++f) {
            Painter p(canvas, col + f, row + d);
            drawCharacter(p, look, order[d], f);
        }
}

// A bouncing slime: squashed and stretched over three frames.
void slime(Painter& p, Ramp r, int frame) {
    const double squash[] = {1.15, 1.0, 0.85};
    const double rx = 11 * squash[frame], ry = 9 / squash[frame];
    p.shadedEllipse(16, 28 - ry, rx, ry, r, 1, shades(r) - 1);
    p.rect(0, 28, 32, 4, kClear);
    p.rect(12, static_cast<int>(26 - ry), 2, 3, C(Ramp::Ink, 0));
    p.rect(18, static_cast<int>(26 - ry), 2, 3, C(Ramp::Ink, 0));
    p.px(9, static_cast<int>(24 - ry * 1.2), C(Ramp::Snow, 7));
    p.outline();
}

void bat(Painter& p, int frame) {
    const int wing = frame == 1 ? 0 : (frame == 0 ? -5 : 4);
    p.shadedEllipse(16, 16, 5, 5, Ramp::Purple, 0, 4);
    p.polygon({{12, 15}, {2, 12 + wing}, {5, 20 + wing / 2}, {9, 18}, {12, 20}}, C(Ramp::Purple, 2));
    p.polygon({{20, 15}, {30, 12 + wing}, {27, 20 + wing / 2}, {23, 18}, {20, 20}}, C(Ramp::Purple, 1));
    p.px(13, 10, C(Ramp::Purple, 3));
    p.px(19, 10, C(Ramp::Purple, 3));
    p.px(14, 15, C(Ramp::Red, 8));
    p.px(18, 15, C(Ramp::Red, 8));
    p.outline();
}

void ghost(Painter& p, int frame) {
    p.shadedEllipse(16, 13, 9, 9, Ramp::Snow, 2, 7);
    p.rect(7, 13, 18, 10, C(Ramp::Snow, 5));
    p.rect(7, 13, 4, 10, C(Ramp::Snow, 6));
    p.rect(21, 13, 4, 10, C(Ramp::Snow, 3));
    for (int i = 0; i < 3; ++i) p.ellipse(10 + i * 6 + frame, 23, 3, 2.5, C(Ramp::Snow, 4 + (i == 0)));
    p.ellipse(12, 12, 2, 2.5, C(Ramp::Ink, 0));
    p.ellipse(20, 12, 2, 2.5, C(Ramp::Ink, 0));
    p.ellipse(16, 18, 1.5, 2, C(Ramp::Ink, 1));
    p.outline();
}

void chicken(Painter& p, int frame) {
    p.shadedEllipse(15, 19, 8, 6, Ramp::Snow, 3, 7);
    p.shadedEllipse(21, 12, 4, 4, Ramp::Snow, 3, 7);
    p.rect(20, 6, 3, 3, C(Ramp::Red, 5));
    p.px(24, 12, C(Ramp::Gold, 6));
    p.px(25, 12, C(Ramp::Orange, 5));
    p.px(22, 11, C(Ramp::Ink, 0));
    p.px(21, 14, C(Ramp::Red, 4));
    p.ellipse(7, 16, 3, 4, C(Ramp::Snow, 4));
    p.vline(13 + (frame == 0), 25, 28, C(Ramp::Orange, 4));
    p.vline(17 - (frame == 2), 25, 28, C(Ramp::Orange, 4));
    p.outline();
}

void cat(Painter& p, int frame) {
    p.shadedEllipse(14, 20, 8, 5, Ramp::Orange, 1, 6);
    p.shadedEllipse(22, 14, 5, 4.5, Ramp::Orange, 1, 7);
    p.polygon({{18, 11}, {19, 6}, {21, 10}}, C(Ramp::Orange, 4));
    p.polygon({{23, 10}, {25, 5}, {26, 11}}, C(Ramp::Orange, 3));
    p.px(21, 14, C(Ramp::Ink, 0));
    p.px(24, 14, C(Ramp::Ink, 0));
    p.px(23, 16, C(Ramp::Pink, 5));
    p.line(6, 19, 3, 12 + frame, C(Ramp::Orange, 3));
    p.line(7, 19, 4, 12 + frame, C(Ramp::Orange, 4));
    for (int i = 0; i < 4; ++i) p.rect(9 + i * 4, 24, 2, 4 - ((i + frame) % 2), C(Ramp::Orange, 3));
    p.outline();
}

void dog(Painter& p, int frame) {
    p.shadedEllipse(14, 18, 9, 5.5, Ramp::Wood, 3, 9);
    p.shadedEllipse(23, 12, 5, 5, Ramp::Wood, 3, 9);
    p.ellipse(27, 14, 3, 2, C(Ramp::Wood, 8));
    p.px(29, 13, C(Ramp::Ink, 0));
    p.px(23, 11, C(Ramp::Ink, 0));
    p.ellipse(20, 12, 2, 4, C(Ramp::Wood, 2));
    p.line(5, 16, 2, 10 + frame, C(Ramp::Wood, 5));
    for (int i = 0; i < 4; ++i) p.rect(8 + i * 4, 22, 2, 6 - ((i + frame) % 2), C(Ramp::Wood, 4));
    p.outline();
}

void skeleton(Painter& p, int frame) {
    Look bones;
    (void)bones;
    p.shadedEllipse(16, 9, 6.5, 6, Ramp::Parchment, 2, 5);
    p.rect(12, 9, 3, 3, C(Ramp::Ink, 0));
    p.rect(18, 9, 3, 3, C(Ramp::Ink, 0));
    p.hline(13, 19, 14, C(Ramp::Parchment, 2));
    for (int y = 16; y < 23; y += 2) p.hline(12, 20, y, C(Ramp::Parchment, 4));
    p.vline(16, 16, 23, C(Ramp::Parchment, 5));
    p.line(11, 17, 8, 22 - frame, C(Ramp::Parchment, 4));
    p.line(21, 17, 24, 22 - (2 - frame), C(Ramp::Parchment, 4));
    p.line(14, 23, 12 - (frame == 0), 29, C(Ramp::Parchment, 4));
    p.line(18, 23, 20 + (frame == 2), 29, C(Ramp::Parchment, 4));
    p.outline();
}

}  // namespace

void drawCharacters(Canvas& canvas, int row) {
    Look hero;
    hero.shirt = Ramp::Red;
    hero.style = HairStyle::Spiky;

    Look girl;
    girl.hair = Ramp::Gold;
    girl.hairLo = 3;
    girl.hairHi = 8;
    girl.style = HairStyle::Long;
    girl.shirt = Ramp::Teal;
    girl.legs = Ramp::Slate;

    Look wizard;
    wizard.hair = Ramp::Grey;
    wizard.hairLo = 6;
    wizard.hairHi = 11;
    wizard.beard = true;
    wizard.hat = Headwear::WizardHat;
    wizard.hatRamp = Ramp::Purple;
    wizard.shirt = Ramp::Purple;
    wizard.robe = true;

    Look knight;
    knight.skin = Ramp::SkinMid;
    knight.hat = Headwear::Helmet;
    knight.shirt = Ramp::Stone;
    knight.shirtLo = 4;
    knight.shirtHi = 11;
    knight.legs = Ramp::Grey;
    knight.boots = Ramp::Grey;

    Look villager;
    villager.skin = Ramp::SkinDark;
    villager.hair = Ramp::Ink;
    villager.hairLo = 0;
    villager.hairHi = 3;
    villager.shirt = Ramp::Olive;
    villager.legs = Ramp::Dirt;

    Look thief;
    thief.hat = Headwear::Hood;
    thief.hatRamp = Ramp::Leaf;
    thief.shirt = Ramp::Leaf;
    thief.legs = Ramp::Dirt;
    thief.skin = Ramp::SkinMid;

    Look princess;
    princess.hair = Ramp::Hair;
    princess.style = HairStyle::Long;
    princess.hat = Headwear::Crown;
    princess.shirt = Ramp::Pink;
    princess.robe = true;

    Look merchant;
    merchant.skin = Ramp::SkinMid;
    merchant.style = HairStyle::Bald;
    merchant.beard = true;
    merchant.hair = Ramp::Wood;
    merchant.shirt = Ramp::Gold;
    merchant.shirtLo = 1;
    merchant.shirtHi = 6;
    merchant.legs = Ramp::Wood;

    Look pirate;
    pirate.skin = Ramp::SkinLight;
    pirate.hair = Ramp::Ink;
    pirate.hairLo = 0;
    pirate.hairHi = 3;
    pirate.hat = Headwear::Bandana;
    pirate.hatRamp = Ramp::Red;
    pirate.shirt = Ramp::Parchment;
    pirate.shirtLo = 2;
    pirate.shirtHi = 5;
    pirate.legs = Ramp::Navy;
    pirate.beard = true;

    Look elder;
    elder.skin = Ramp::SkinDark;
    elder.hair = Ramp::Snow;
    elder.hairLo = 3;
    elder.hairHi = 7;
    elder.shirt = Ramp::Mauve;
    elder.shirtLo = 1;
    elder.shirtHi = 5;
    elder.robe = true;

    Look monk;
    monk.hat = Headwear::Hood;
    monk.hatRamp = Ramp::Wood;
    monk.shirt = Ramp::Wood;
    monk.robe = true;
    monk.skin = Ramp::SkinLight;

    Look guard;
    guard.skin = Ramp::SkinDark;
    guard.hat = Headwear::Helmet;
    guard.shirt = Ramp::Navy;
    guard.legs = Ramp::Slate;
    guard.boots = Ramp::Ink;

    const Look first[] = {hero, girl, wizard, knight, villager, thief};
    const Look second[] = {princess, merchant, pirate, elder, monk, guard};
    for (int i = 0; i < 6; ++i) drawSheetFor(canvas, i * 3, row, first[i]);
    for (int i = 0; i < 6; ++i) drawSheetFor(canvas, i * 3, row + 4, second[i]);

    // Creatures: columns 18-19 of both bands hold frames 0 and 2 of the
    // slimes; the last two rows hold the other creatures, three frames each.
    const Ramp slimes[] = {Ramp::Lime, Ramp::Water, Ramp::Red, Ramp::Purple, Ramp::Gold, Ramp::Teal, Ramp::Pink, Ramp::Orange};
    for (int i = 0; i < 8; ++i)
        for (int f = 0; f < 2; ++f) {
            Painter p(canvas, 18 + f, row + i);
            slime(p, slimes[i], f * 2);
        }
    const int last = row + 8;
    int col = 0;
    for (int kind = 0; kind < 6; ++kind)
        for (int f = 0; f < 3; ++f) {
            Painter p(canvas, col % 18, last + col / 18);
            ++col;
            switch (kind) {
                case 0: bat(p, f); break;
                case 1: ghost(p, f); break;
                case 2: chicken(p, f); break;
                case 3: cat(p, f); break;
                case 4: dog(p, f); break;
                case 5: skeleton(p, f); break;
            }
        }
    // Remaining cells of the last two rows: more slimes in mid-bounce and
    // the animals facing the other way.
    for (int i = 0; i < 2; ++i) {
        Painter p(canvas, 18 + i, last);
        slime(p, slimes[i], 1);
    }
    for (int i = 0; i < 2; ++i) {
        Painter p(canvas, 18 + i, last + 1);
        slime(p, slimes[2 + i], 1);
    }
    for (int src = 0; src < 18; ++src) canvas.copyCell(src, last, src, last + 1, true);
}

}  // namespace qv::tileset
