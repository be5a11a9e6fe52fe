#include "app/DefaultTilesetBytes.h"

#include <iterator>

#ifdef QV_HAVE_DEFAULT_TILESET
#include "tools/tileset/DefaultTileset.h"
#endif

namespace qv {

Bytes defaultTilesetBytes() {
#ifdef QV_HAVE_DEFAULT_TILESET
    const auto& gif = defaultTilesetGif();
    return Bytes(std::begin(gif), std::end(gif));
#else
    // Built without the tileset library: the tileset canvas starts plain.
    return {};
#endif
}

}  // namespace qv
