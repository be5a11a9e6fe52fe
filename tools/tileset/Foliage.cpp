#include "tools/tileset/Foliage.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/tileset/Noise.h"

namespace qv::tileset {
namespace {

struct Clump {
    double x, y, r;
};

}  // namespace

void drawFoliage(Painter& p, double cx, double cy, double rx, double ry, const LeafStyle& s) {
    const double pi = 3.14159265358979;
    std::vector<Clump> clumps;
    const double base = std::min(rx, ry) * s.clumpSize;
    clumps.push_back({cx, cy, std::min(rx, ry) * 0.75});
    const int ring = std::max(6, static_cast<int>((rx + ry) / 2.6));
    for (int i = 0; i < ring; ++i) {
        const double a = 2 * pi * i / ring + random01(i, 0, s.seed) * 0.5;
        const double r = base * (0.85 + 0.35 * random01(i, 1, s.seed));
        clumps.push_back({cx + std::cos(a) * (rx - r), cy + std::sin(a) * (ry - r), r});
    }
    // Inner clumps give the crown some depth.
    for (int i = 0; i < ring / 2; ++i) {
        const double a = 2 * pi * random01(i, 2, s.seed);
        const double d = 0.45 * random01(i, 3, s.seed);
        clumps.push_back({cx + std::cos(a) * rx * d, cy + std::sin(a) * ry * d, base * 0.9});
    }
    // Lower clumps overlap the ones above them.
    std::sort(clumps.begin(), clumps.end(), [](const Clump& a, const Clump& b) { return a.y < b.y; });
    const double lx = -0.55, ly = -0.65, lz = 0.52;
    for (const Clump& c : clumps) {
        for (int y = static_cast<int>(c.y - c.r - 1); y <= c.y + c.r + 1; ++y)
            for (int x = static_cast<int>(c.x - c.r - 1); x <= c.x + c.r + 1; ++x) {
                const double nx = (x + 0.5 - c.x) / c.r, ny = (y + 0.5 - c.y) / c.r;
                const double d2 = nx * nx + ny * ny;
                if (d2 > 1.0) continue;
                const double nz = std::sqrt(1 - d2);
                const double local = std::max(0.0, nx * lx + ny * ly + nz * lz);
                const double gx = (x + 0.5 - cx) / rx, gy = (y + 0.5 - cy) / ry;
                const double global = std::clamp(0.55 - 0.45 * gx - 0.55 * gy, 0.0, 1.0);
                const double grain = (random01(x, y, s.seed + 5) - 0.5) * 0.12;
                p.lit(x, y, s.ramp, s.lo, s.hi, 0.42 * local + 0.58 * global + grain);
            }
    }
}

void dotFoliage(Painter& p, double cx, double cy, double rx, double ry, Ramp ramp, int shade, int count, std::uint32_t seed) {
    for (int i = 0; i < count; ++i) {
        const double a = 6.2831853 * random01(i, 0, seed), d = std::sqrt(random01(i, 1, seed)) * 0.8;
        const int x = static_cast<int>(cx + std::cos(a) * rx * d), y = static_cast<int>(cy + std::sin(a) * ry * d);
        if (!p.opaque(x, y) || !p.opaque(x + 1, y + 1)) continue;
        p.px(x, y, C(ramp, shade + 1));
        p.px(x + 1, y, C(ramp, shade));
        p.px(x, y + 1, C(ramp, shade - 1));
        p.px(x + 1, y + 1, C(ramp, shade - 2));
    }
}

}  // namespace qv::tileset
