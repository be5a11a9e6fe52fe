#pragma once
// An 8-bit, one-plane, run-length PCX writer (version 5) for benchmark inputs.
#include "SyntheticArt.h"
#include "picture/Picture.h"

namespace qv::bench {

Bytes writePcx8(const IndexedArt& art);

}  // namespace qv::bench
