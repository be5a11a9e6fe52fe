#pragma once
// Leafy masses (tree crowns, bushes, hedges): a cluster of overlapping clumps,
// each lit from the upper left within the light of the whole mass.
#include <cstdint>

#include "tools/tileset/Painter.h"

namespace qv::tileset {

struct LeafStyle {
    Ramp ramp = Ramp::Leaf;
    int lo = 1, hi = 9;
    std::uint32_t seed = 1;
    double clumpSize = 0.42;  // clump radius relative to the mass
};

void drawFoliage(Painter& p, double cx, double cy, double rx, double ry, const LeafStyle& style);
// Small dots of colour (fruit, blossom, berries) on the foliage's pixels.
void dotFoliage(Painter& p, double cx, double cy, double rx, double ry, Ramp ramp, int shade, int count, std::uint32_t seed);

}  // namespace qv::tileset
