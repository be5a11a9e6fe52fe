#pragma once
// Pieces shared by buildings and walls: surface patterns that tile every 32
// pixels, windows and doors.
#include <cstdint>

#include "tools/tileset/Painter.h"

namespace qv::tileset {

enum class Surface { Planks, StoneBlocks, Bricks, Plaster, Logs, Sandstone, DarkStone };
enum class RoofKind { ClayTiles, Slate, Thatch, Shingles };

void drawSurface(Painter& p, int x, int y, int w, int h, Surface s, std::uint32_t seed = 1);
void drawRoof(Painter& p, int x, int y, int w, int h, RoofKind kind, Ramp ramp);
// A window whose outer frame is w x h at (x, y).
void drawWindow(Painter& p, int x, int y, int w, int h, bool lit, bool arched, Ramp frame = Ramp::Wood);
// A door standing on the bottom edge of the rectangle.
void drawDoor(Painter& p, int x, int y, int w, int h, Ramp wood, bool arched);

}  // namespace qv::tileset
