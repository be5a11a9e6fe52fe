#include "tools/tileset/StonePattern.h"

#include <cmath>
#include <limits>

#include "tools/tileset/Noise.h"

namespace qv::tileset {

void drawStones(Painter& p, int x0, int y0, int w, int h, const StoneStyle& s) {
    const int cellsX = 32 / s.spacing, cellsY = 32 / s.spacing;
    auto point = [&](int cx, int cy, double& px, double& py) {
        const int wx = ((cx % cellsX) + cellsX) % cellsX, wy = ((cy % cellsY) + cellsY) % cellsY;
        px = (cx + 0.5 + (random01(wx, wy, s.seed) - 0.5) * s.jitter) * s.spacing;
        py = (cy + 0.5 + (random01(wx, wy, s.seed + 7) - 0.5) * s.jitter) * s.spacing;
    };
    const std::uint8_t mortar = s.mortar == kClear ? C(s.ramp, 0) : s.mortar;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) {
            const double fx = x + 0.5, fy = y + 0.5;
            const int gx = static_cast<int>(std::floor(fx / s.spacing)), gy = static_cast<int>(std::floor(fy / s.spacing));
            double best = std::numeric_limits<double>::max(), second = best;
            int bestX = 0, bestY = 0;
            double bestDx = 0, bestDy = 0;
            for (int cy = gy - 2; cy <= gy + 2; ++cy)
                for (int cx = gx - 2; cx <= gx + 2; ++cx) {
                    double px, py;
                    point(cx, cy, px, py);
                    const double dx = (fx - px) / s.stretchX, dy = fy - py;
                    const double d = std::sqrt(dx * dx + dy * dy);
                    if (d < best) {
                        second = best;
                        best = d;
                        bestX = cx;
                        bestY = cy;
                        bestDx = dx;
                        bestDy = dy;
                    } else if (d < second) {
                        second = d;
                    }
                }
            const double edge = second - best;
            if (edge < 1.1) {
                p.px(x, y, mortar);
                continue;
            }
            const int wx = ((bestX % cellsX) + cellsX) % cellsX, wy = ((bestY % cellsY) + cellsY) % cellsY;
            // Each stone has its own tone; its upper left catches the light
            // and its lower right edge falls into shadow.
            const double tone = random01(wx, wy, s.seed + 13);
            double v = 0.35 + 0.4 * tone - (bestDx + bestDy) / (s.spacing * 1.6);
            if (edge < 2.2 && (bestDx + bestDy) > 0) v -= 0.35;
            if (edge < 2.2 && (bestDx + bestDy) < 0) v += 0.25;
            v = std::fmin(std::fmax(v, 0.0), 0.999);
            const int shade = s.lo + static_cast<int>(v * (s.hi - s.lo + 1));
            p.px(x, y, C(s.ramp, shade));
        }
}

}  // namespace qv::tileset
