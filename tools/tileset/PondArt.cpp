// Ponds: three-by-three sets of water with shore edges and corners (the
// centre repeats), inner corners for bays, and things that float.
#include <algorithm>
#include <cmath>
#include <functional>

#include "tools/tileset/Art.h"
#include "tools/tileset/Noise.h"
#include "tools/tileset/Painter.h"

namespace qv::tileset {
namespace {

enum class Shore { Grass, Sand };

// distance(x, y) is negative in the water, positive on land, in pixels.
void drawShore(Painter& p, Shore shore, const std::function<double(double, double)>& distance) {
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const double wobble = (valueNoise(x, y, 8, 77) - 0.5) * 2.0;
            const double d = distance(x + 0.5, y + 0.5) + wobble;
            const int wx = x % 32, wy = y % 32;
            if (d > 2.5) {
                // The same ground as the terrain swatches, so edges meet them.
                const double n = fractalNoise(wx, wy, shore == Shore::Grass ? 11 : 31);
                if (shore == Shore::Grass) p.lit(x, y, Ramp::Grass, 5, 8, (n - 0.2) / 0.6);
                else p.lit(x, y, Ramp::Sand, 3, 5, (n - 0.2) / 0.6);
            } else if (d > 0) {
                p.px(x, y, shore == Shore::Grass ? C(Ramp::Dirt, d > 1.5 ? 7 : 5) : C(Ramp::Sand, d > 1.5 ? 2 : 1));
            } else if (d > -2) {
                p.px(x, y, C(Ramp::Water, 10));
            } else if (d > -5) {
                p.px(x, y, C(Ramp::Water, 9));
            } else {
                const double n = fractalNoise(wx, wy, 51);
                p.lit(x, y, Ramp::Water, 7, 9, (n - 0.2) / 0.6);
            }
        }
}

double roundedBox(double x, double y, double cx, double cy, double hx, double hy, double r) {
    const double qx = std::abs(x - cx) - hx + r, qy = std::abs(y - cy) - hy + r;
    const double ox = std::max(qx, 0.0), oy = std::max(qy, 0.0);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0) - r;
}

void pondSet(Canvas& canvas, int col, int row, Shore shore) {
    Painter p(canvas, col, row, 3, 3);
    // The shore runs 10 pixels inside the set's outer cells.
    drawShore(p, shore, [](double x, double y) { return roundedBox(x, y, 48, 48, 38, 38, 14); });
}

void innerCorners(Canvas& canvas, int col, int row, Shore shore) {
    Painter p(canvas, col, row, 2, 2);
    // Land reaching 10 pixels into each cell's corner: water on both sides.
    drawShore(p, shore, [](double x, double y) { return -roundedBox(x, y, 32, 32, 10, 10, 4); });
}

void lilyPad(Painter& p, double cx, double cy, double r, bool flower) {
    p.shadedEllipse(cx, cy, r, r * 0.7, Ramp::Grass, 3, 10);
    p.line(static_cast<int>(cx), static_cast<int>(cy), static_cast<int>(cx + r), static_cast<int>(cy - r * 0.3), C(Ramp::Water, 8));
    if (flower) {
        p.ellipse(cx - 1, cy - 2, 2.5, 2, C(Ramp::Pink, 6));
        p.px(static_cast<int>(cx) - 1, static_cast<int>(cy) - 2, C(Ramp::Gold, 8));
    }
}

void waterCell(Painter& p) {
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) p.lit(x, y, Ramp::Water, 7, 9, (fractalNoise(x, y, 51) - 0.2) / 0.6);
}

}  // namespace

void drawPonds(Canvas& canvas, int row) {
    pondSet(canvas, 0, row, Shore::Grass);
    pondSet(canvas, 3, row, Shore::Sand);
    innerCorners(canvas, 6, row, Shore::Grass);
    innerCorners(canvas, 8, row, Shore::Sand);
    // A one-cell pond on white to stamp anywhere.
    for (int i = 0; i < 2; ++i) {
        Painter p(canvas, 6 + i, row + 2);
        drawShore(p, i == 0 ? Shore::Grass : Shore::Sand, [](double x, double y) { return std::hypot((x - 16) / 1.2, y - 16) - 10; });
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (std::hypot((x + 0.5 - 16) / 1.2, y + 0.5 - 16) > 12.5) p.px(x, y, kClear);
        p.outline();
    }
    // Pond life on open water (two rows), then on white for stamping.
    int col = 10;
    for (int r = 0; r < 3; ++r)
        for (int c = col; c < 20; ++c) {
            Painter p(canvas, c, row + r);
            const int kind = (c - col) % 5;
            const bool onWater = r < 2;
            if (onWater) waterCell(p);
            switch (kind) {
                case 0: lilyPad(p, 12, 12, 7, false); lilyPad(p, 22, 22, 5, r == 1); break;
                case 1: lilyPad(p, 16, 16, 9, true); break;
                case 2:
                    for (int k = 0; k < 6; ++k) {
                        p.vline(8 + k * 3, 6 + (k % 3) * 3, 26, C(Ramp::Olive, 4 + k % 3));
                        if (k % 2 == 0) p.rect(8 + k * 3, 3 + (k % 3) * 3, 2, 5, C(Ramp::Wood, 3));
                    }
                    break;
                case 3:
                    p.shadedEllipse(16, 18, 10, 7, Ramp::Stone, 2, 10);
                    if (onWater) p.hline(6, 26, 24, C(Ramp::Water, 12));
                    break;
                case 4:  // duck
                    p.shadedEllipse(15, 20, 8, 5, Ramp::Snow, 3, 7);
                    p.shadedEllipse(21, 13, 4, 4, Ramp::Leaf, 3, 9);
                    p.rect(24, 13, 3, 2, C(Ramp::Orange, 5));
                    p.px(21, 12, C(Ramp::Ink, 0));
                    if (r == 1) p.recolour(C(Ramp::Leaf, 6), C(Ramp::Wood, 6));
                    break;
            }
            // Things drawn on white get an outline of their own.
            if (!onWater) p.outline();
        }
    // A wooden bridge across: left end, middle, right end.
    for (int i = 0; i < 2; ++i) {
        Painter p(canvas, 8 + i, row + 2);
        waterCell(p);
        for (int x = 0; x < 32; x += 4) {
            p.rect(x, 6, 3, 20, C(Ramp::Wood, 6 + (x / 4) % 2));
            p.vline(x + 3, 6, 25, C(Ramp::Wood, 2));
        }
        p.rect(0, 4, 32, 2, C(Ramp::Wood, 3));
        p.rect(0, 26, 32, 3, C(Ramp::Wood, 2));
        if (i == 1) p.rect(0, 29, 32, 1, C(Ramp::Water, 4));
    }
}

}  // namespace qv::tileset
