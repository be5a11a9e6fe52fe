#pragma once
// The whole default tileset: 20 x 44 cells of 32 x 32 pixels.
#include "tools/tileset/Canvas.h"

namespace qv::tileset {

Canvas drawTilesetSheet();

}  // namespace qv::tileset
