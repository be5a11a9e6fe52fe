#pragma once
// A minimal GIF89a writer for benchmark inputs: one image with the art's
// 256-colour table as the global table, LZW with 8-bit minimum code size.
#include "SyntheticArt.h"
#include "picture/Picture.h"

namespace qv::bench {

Bytes writeGif(const IndexedArt& art);

}  // namespace qv::bench
