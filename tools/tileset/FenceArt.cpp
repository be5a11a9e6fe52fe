// Fences: every combination of connected sides in wood and in white-painted
// pickets, then gates and a few stone and iron pieces.
#include "tools/tileset/Art.h"
#include "tools/tileset/Connections.h"
#include "tools/tileset/Painter.h"

namespace qv::tileset {
namespace {

void fence(Painter& p, int sides, Ramp r, int lo, int hi, bool pickets) {
    const int top = hi;
    // Horizontal rails.
    auto rails = [&](int x0, int x1) {
        for (int y : {12, 20}) {
            p.rect(x0, y, x1 - x0 + 1, 3, C(r, top - 1));
            p.hline(x0, x1, y, C(r, top));
            p.hline(x0, x1, y + 2, C(r, lo + 1));
        }
        if (pickets)
            for (int x = x0 + 2; x <= x1 - 2; x += 5) {
                p.rect(x, 8, 3, 19, C(r, top - 1));
                p.vline(x, 8, 26, C(r, top));
                p.px(x + 1, 7, C(r, top - 1));
            }
    };
    if (sides & West) rails(0, 14);
    if (sides & East) rails(17, 31);
    // Vertical runs are seen from above: a narrow rail with posts.
    if (sides & North) {
        p.rect(14, 0, 4, 14, C(r, top - 1));
        p.vline(14, 0, 13, C(r, top));
        p.vline(17, 0, 13, C(r, lo));
    }
    if (sides & South) {
        p.rect(14, 18, 4, 14, C(r, top - 1));
        p.vline(14, 18, 31, C(r, top));
        p.vline(17, 18, 31, C(r, lo));
    }
    // The post.
    p.rect(13, 6, 6, 22, C(r, top - 2));
    p.vline(13, 6, 27, C(r, top));
    p.vline(18, 6, 27, C(r, lo));
    p.hline(13, 18, 6, C(r, top));
    p.outline();
}

void gate(Painter& p, Ramp r, int lo, int hi, bool open) {
    p.rect(1, 6, 4, 22, C(r, hi - 1));
    p.rect(27, 6, 4, 22, C(r, hi - 1));
    if (!open) {
        for (int y : {10, 20}) p.rect(5, y, 22, 3, C(r, hi - 1));
        for (int x = 7; x < 26; x += 4) p.rect(x, 10, 2, 13, C(r, hi - 2));
        p.line(6, 21, 25, 11, C(r, lo + 1));
    } else {
        for (int y : {10, 20}) p.rect(5, y, 6, 3, C(r, hi - 2));
        p.rect(8, 8, 3, 17, C(r, hi - 3));
    }
    p.outline();
}

}  // namespace

void drawFences(Canvas& canvas, int row) {
    for (int sides = 0; sides < 16; ++sides) {
        { Painter p(canvas, sides, row); fence(p, sides, Ramp::Wood, 2, 8, false); }
        { Painter p(canvas, sides, row + 1); fence(p, sides, Ramp::Snow, 2, 7, true); }
    }
    { Painter p(canvas, 16, row); gate(p, Ramp::Wood, 2, 8, false); }
    { Painter p(canvas, 17, row); gate(p, Ramp::Wood, 2, 8, true); }
    { Painter p(canvas, 16, row + 1); gate(p, Ramp::Snow, 2, 7, false); }
    { Painter p(canvas, 17, row + 1); gate(p, Ramp::Snow, 2, 7, true); }
    // Iron railings and a low stone wall run.
    for (int i = 0; i < 2; ++i) {
        Painter p(canvas, 18, row + i);
        p.rect(0, 8 + i * 2, 32, 2, C(Ramp::Slate, 3));
        p.rect(0, 24, 32, 2, C(Ramp::Slate, 2));
        for (int x = 1; x < 32; x += 4) {
            p.vline(x, 5 + i * 2, 25, C(Ramp::Slate, 4));
            p.px(x, 4 + i * 2, C(Ramp::Gold, 7));
        }
        p.outline();
    }
    for (int i = 0; i < 2; ++i) {
        Painter p(canvas, 19, row + i);
        for (int k = 0; k < 4; ++k) {
            p.shadedEllipse(4 + k * 8, 22, 4.5, 5, Ramp::Stone, 2, 10);
            p.shadedEllipse(8 + k * 8, 15, 4.5, 4.5, i == 0 ? Ramp::Stone : Ramp::Sand, 2, i == 0 ? 10 : 6);
        }
        p.outline();
    }
}

}  // namespace qv::tileset
