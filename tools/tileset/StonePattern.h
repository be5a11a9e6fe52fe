#pragma once
// Irregular stones packed together (cobbles, flagstones, dry-stone walls):
// each pixel belongs to its nearest jittered point, with mortar where two
// stones meet. The pattern repeats every 32 pixels so it tiles.
#include <cstdint>

#include "tools/tileset/Painter.h"

namespace qv::tileset {

struct StoneStyle {
    Ramp ramp = Ramp::Stone;
    int lo = 4, hi = 9;          // shades used for stone faces
    int spacing = 8;             // typical stone size in pixels; divides 32
    double stretchX = 1.0;       // > 1 makes stones wider than tall
    double jitter = 0.8;         // 0 = a regular grid
    std::uint8_t mortar = kClear;  // kClear: use the ramp's darkest shade
    std::uint32_t seed = 1;
};

void drawStones(Painter& p, int x, int y, int w, int h, const StoneStyle& style);

}  // namespace qv::tileset
