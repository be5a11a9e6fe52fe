#pragma once
// Decode and encode benchmarks of the picture layer, with the peers they are
// measured against. Names are "<operation>/<format>/<decoder>".
namespace qv::bench {

void registerPictureBenchmarks();

}  // namespace qv::bench
