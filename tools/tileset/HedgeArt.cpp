// Hedges: every combination of connected sides (ends, runs, corners, T and
// crossing) in a green and a flowering hedge, and a few topiaries.
#include <cmath>

#include "tools/tileset/Art.h"
#include "tools/tileset/Connections.h"
#include "tools/tileset/Noise.h"
#include "tools/tileset/Painter.h"

namespace qv::tileset {
namespace {

bool inHedge(int x, int y, int sides) {
    const bool core = x >= 5 && x < 27 && y >= 3 && y < 27;
    if (core) return true;
    if ((sides & North) && x >= 5 && x < 27 && y < 3) return true;
    if ((sides & South) && x >= 5 && x < 27 && y >= 27) return true;
    if ((sides & West) && y >= 3 && y < 27 && x < 5) return true;
    if ((sides & East) && y >= 3 && y < 27 && x >= 27) return true;
    return false;
}

void hedge(Painter& p, int sides, Ramp ramp, bool flowering) {
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (!inHedge(x, y, sides)) continue;
            // The top surface is lit; the front face below it is in shade.
            const bool front = !inHedge(x, y + 5, sides) || y + 5 >= 32 ? !(sides & South) && y >= 21 : false;
            const double leaf = valueNoise(x, y, 4, 21) * 0.6 + random01(x, y, 22) * 0.4;
            double v = front ? 0.15 + leaf * 0.3 : 0.45 + leaf * 0.5;
            if (!front && !inHedge(x, y - 1, sides)) v += 0.2;
            if (!front && !inHedge(x - 1, y, sides)) v += 0.1;
            if (!inHedge(x + 1, y, sides)) v -= 0.25;
            p.lit(x, y, ramp, 0, Palette::get().shades(ramp) - 2, v);
        }
    if (flowering)
        for (int i = 0; i < 10; ++i) {
            const int x = static_cast<int>(random01(i, sides, 31) * 30), y = static_cast<int>(random01(i, sides, 32) * 22);
            if (inHedge(x, y, sides) && inHedge(x + 1, y + 1, sides)) {
                p.px(x, y, C(Ramp::Pink, 7));
                p.px(x + 1, y, C(Ramp::Pink, 6));
                p.px(x, y + 1, C(Ramp::Pink, 5));
            }
        }
    p.outline();
}

void topiary(Painter& p, int kind) {
    p.shadedColumn(12, 24, 8, 6, Ramp::Brick, 2, 6);
    p.hline(11, 20, 24, C(Ramp::Brick, 6));
    p.vline(16, 16, 24, C(Ramp::Wood, 3));
    if (kind == 0) p.shadedEllipse(16, 13, 9, 9, Ramp::Leaf, 1, 10);
    if (kind == 1) {
        p.shadedEllipse(16, 17, 7, 5, Ramp::Leaf, 1, 10);
        p.shadedEllipse(16, 9, 5, 4, Ramp::Leaf, 1, 10);
        p.shadedEllipse(16, 3, 3, 2.5, Ramp::Leaf, 1, 10);
    }
    if (kind == 2) {
        for (int y = 2; y < 22; ++y) {
            const double hw = (y - 1) * 0.45;
            for (int x = static_cast<int>(16 - hw); x <= 16 + hw; ++x) p.lit(x, y, Ramp::Leaf, 1, 9, 0.8 - (x - 16) / (hw + 1) * 0.5);
        }
    }
    if (kind == 3) {
        p.shadedEllipse(16, 13, 9, 9, Ramp::Leaf, 1, 10);
        for (int i = 0; i < 6; ++i) p.rect(10 + (i * 5) % 12, 8 + (i * 7) % 10, 2, 2, C(Ramp::Red, 7));
    }
    p.outline();
}

}  // namespace

void drawHedges(Canvas& canvas, int row) {
    for (int sides = 0; sides < 16; ++sides) {
        { Painter p(canvas, sides, row); hedge(p, sides, Ramp::Leaf, false); }
        { Painter p(canvas, sides, row + 1); hedge(p, sides, Ramp::Grass, true); }
    }
    for (int k = 0; k < 4; ++k) { Painter p(canvas, 16 + k, row); topiary(p, k); }
    // Autumn and snowy hedge runs.
    { Painter p(canvas, 16, row + 1); hedge(p, East | West, Ramp::Orange, false); }
    { Painter p(canvas, 17, row + 1); hedge(p, North | South, Ramp::Orange, false); }
    { Painter p(canvas, 18, row + 1); hedge(p, East | West, Ramp::Teal, false); }
    { Painter p(canvas, 19, row + 1); hedge(p, North | South, Ramp::Teal, false); }
}

}  // namespace qv::tileset
