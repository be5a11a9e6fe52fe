#pragma once
// The tileset picture built into the program, as GIF bytes.
#include "picture/Picture.h"

namespace qv {

Bytes defaultTilesetBytes();

}  // namespace qv
