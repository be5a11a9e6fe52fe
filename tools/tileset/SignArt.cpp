// Signboards: signposts and arrows, notice boards, hanging shop signs with
// the picture of their trade, and stones by the road.
#include "tools/tileset/Art.h"
#include "tools/tileset/Painter.h"

namespace qv::tileset {
namespace {

void post(Painter& p, int x, int top) {
    p.rect(x, top, 4, 30 - top, C(Ramp::Wood, 4));
    p.vline(x, top, 29, C(Ramp::Wood, 6));
    p.vline(x + 3, top, 29, C(Ramp::Wood, 2));
}

void board(Painter& p, int x, int y, int w, int h, Ramp r = Ramp::Wood) {
    p.rect(x, y, w, h, C(r, 6));
    p.hline(x, x + w - 1, y, C(r, 8));
    p.hline(x, x + w - 1, y + h - 1, C(r, 3));
    for (int j = y + 3; j < y + h - 1; j += 4) p.hline(x + 1, x + w - 2, j, C(r, 5));
}

void writing(Painter& p, int x, int y, int w, int lines) {
    for (int i = 0; i < lines; ++i) p.hline(x, x + w - 1 - (i % 2) * 3, y + i * 3, C(Ramp::Wood, 1));
}

void arrowSign(Painter& p, int dirs) {
    post(p, 14, 6);
    if (dirs & 1) {
        p.polygon({{4, 10}, {8, 6}, {26, 6}, {26, 14}, {8, 14}}, C(Ramp::Wood, 7));
        p.hline(9, 24, 7, C(Ramp::Wood, 9));
        writing(p, 10, 9, 13, 2);
    }
    if (dirs & 2) {
        p.polygon({{6, 17}, {24, 17}, {28, 21}, {24, 25}, {6, 25}}, C(Ramp::Wood, 6));
        writing(p, 9, 20, 13, 2);
    }
    p.outline();
}

void hangingSign(Painter& p, int icon) {
    p.rect(2, 4, 28, 2, C(Ramp::Slate, 3));
    p.rect(2, 2, 2, 6, C(Ramp::Slate, 2));
    p.vline(8, 6, 9, C(Ramp::Slate, 4));
    p.vline(24, 6, 9, C(Ramp::Slate, 4));
    board(p, 4, 10, 24, 18);
    switch (icon) {
        case 0:  // potion shop
            p.shadedEllipse(16, 21, 5, 5, Ramp::Red, 2, 8);
            p.rect(15, 13, 3, 4, C(Ramp::Glass, 4));
            break;
        case 1:  // weapons
            p.line(9, 25, 23, 12, C(Ramp::Grey, 10));
            p.line(9, 12, 23, 25, C(Ramp::Grey, 9));
            p.line(10, 13, 12, 15, C(Ramp::Gold, 6));
            break;
        case 2:  // inn: a mug
            p.rect(11, 14, 8, 11, C(Ramp::Gold, 6));
            p.rect(11, 13, 8, 3, C(Ramp::Snow, 6));
            p.frame(19, 16, 4, 6, C(Ramp::Gold, 4));
            break;
        case 3:  // armour: a shield
            p.polygon({{10, 13}, {22, 13}, {22, 19}, {16, 26}, {10, 19}}, C(Ramp::Navy, 5));
            p.rect(15, 14, 2, 10, C(Ramp::Gold, 7));
            break;
        case 4:  // bakery: bread
            p.shadedEllipse(16, 19, 8, 5, Ramp::Orange, 2, 7);
            break;
        case 5:  // jeweller: a gem
            p.polygon({{11, 16}, {14, 13}, {18, 13}, {21, 16}, {16, 25}}, C(Ramp::Water, 8));
            p.polygon({{11, 16}, {14, 13}, {16, 13}, {16, 25}}, C(Ramp::Water, 11));
            break;
        case 6:  // fishmonger
            p.shadedEllipse(15, 19, 6, 3.5, Ramp::Water, 5, 12);
            p.polygon({{20, 19}, {24, 15}, {24, 23}}, C(Ramp::Water, 7));
            break;
        case 7:  // smith: hammer
            p.line(11, 25, 19, 15, C(Ramp::Wood, 3));
            p.rect(16, 12, 7, 5, C(Ramp::Grey, 7));
            break;
        case 8:  // magic: a star
            p.polygon({{16, 12}, {18, 18}, {24, 18}, {19, 21}, {21, 27}, {16, 23}, {11, 27}, {13, 21}, {8, 18}, {14, 18}}, C(Ramp::Gold, 8));
            break;
        case 9:  // general store: a sack
            p.shadedEllipse(16, 21, 6, 5, Ramp::Canvas, 2, 6);
            p.rect(14, 13, 4, 3, C(Ramp::Canvas, 4));
            break;
    }
    p.outline();
}

void noticeBoard(Painter& p) {
    post(p, 5, 8);
    post(p, 23, 8);
    board(p, 2, 5, 28, 18, Ramp::Wood);
    p.rect(3, 4, 26, 2, C(Ramp::Wood, 3));
    const int papers[][4] = {{5, 8, 8, 10}, {15, 9, 7, 8}, {23, 7, 5, 7}, {11, 15, 6, 6}};
    for (const auto& q : papers) {
        p.rect(q[0], q[1], q[2], q[3], C(Ramp::Parchment, 4));
        p.px(q[0] + q[2] / 2, q[1], C(Ramp::Red, 6));
        for (int y = q[1] + 2; y < q[1] + q[3] - 1; y += 2) p.hline(q[0] + 1, q[0] + q[2] - 2, y, C(Ramp::Parchment, 1));
    }
    p.outline();
}

void standingSign(Painter& p, bool blank) {
    post(p, 6, 14);
    post(p, 22, 14);
    board(p, 3, 6, 26, 14);
    if (!blank) writing(p, 7, 10, 18, 3);
    p.outline();
}

void stone(Painter& p, int kind) {
    if (kind == 0) {  // milestone
        p.shadedEllipse(16, 12, 8, 7, Ramp::Stone, 3, 10);
        p.shadedColumn(8, 12, 16, 16, Ramp::Stone, 3, 10);
        p.rect(12, 12, 8, 2, C(Ramp::Stone, 2));
        p.rect(13, 16, 6, 2, C(Ramp::Stone, 2));
    } else if (kind == 1) {  // gravestone
        p.shadedEllipse(16, 11, 9, 8, Ramp::Grey, 3, 10);
        p.shadedColumn(7, 11, 18, 16, Ramp::Grey, 3, 10);
        p.rect(15, 8, 2, 10, C(Ramp::Grey, 3));
        p.rect(12, 11, 8, 2, C(Ramp::Grey, 3));
        p.rect(5, 26, 22, 3, C(Ramp::Grass, 5));
    } else {  // cross
        p.shadedColumn(13, 4, 6, 25, Ramp::Wood, 2, 7);
        p.shadedColumn(6, 10, 20, 5, Ramp::Wood, 2, 7);
    }
    p.outline();
}

void aFrame(Painter& p, Ramp r) {
    p.polygon({{9, 4}, {23, 4}, {27, 29}, {5, 29}}, C(Ramp::Wood, 4));
    p.rect(10, 7, 12, 16, C(r, 2));
    for (int y = 10; y < 21; y += 3) p.hline(12, 19 - (y % 2) * 2, y, C(Ramp::Snow, 6));
    p.outline();
}

}  // namespace

void drawSigns(Canvas& canvas, int row) {
    int n = 0;
    auto cell = [&] { Painter p(canvas, n % 20, row + n / 20); ++n; return p; };
    for (int d = 1; d <= 3; ++d) { Painter p = cell(); arrowSign(p, d); }
    { Painter p = cell(); arrowSign(p, 1); p.flipHorizontally(); }
    { Painter p = cell(); standingSign(p, false); }
    { Painter p = cell(); standingSign(p, true); }
    { Painter p = cell(); noticeBoard(p); }
    for (int k = 0; k < 3; ++k) { Painter p = cell(); stone(p, k); }
    for (int icon = 0; icon < 10; ++icon) { Painter p = cell(); hangingSign(p, icon); }
    for (const Ramp r : {Ramp::Slate, Ramp::Leaf, Ramp::Ink}) { Painter p = cell(); aFrame(p, r); }
    // Plain boards in several woods, for the map maker to letter.
    for (const Ramp r : {Ramp::Wood, Ramp::Dirt, Ramp::Canvas, Ramp::Parchment}) {
        Painter p = cell();
        post(p, 14, 10);
        board(p, 4, 6, 24, 12, r);
        p.outline();
    }
    // Hanging signs on the other side of a doorway.
    for (int icon = 0; icon < 10 && n < 40; ++icon) {
        Painter p = cell();
        hangingSign(p, icon);
        p.flipHorizontally();
    }
}

}  // namespace qv::tileset
