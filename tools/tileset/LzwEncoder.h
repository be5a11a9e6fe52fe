#pragma once
// Variable-length-code LZW as GIF pictures use it: a clear code first, codes
// growing from minCodeSize + 1 to 12 bits, a fresh clear code whenever the
// code table is full, and the end code last. Codes are packed least
// significant bit first.
#include <cstdint>
#include <span>
#include <vector>

namespace qv::tileset {

// minCodeSize is 2..8 and every index must be below 1 << minCodeSize.
// Returns the packed code stream (not yet split into sub-blocks).
std::vector<std::uint8_t> lzwEncode(std::span<const std::uint8_t> indices, int minCodeSize);

}  // namespace qv::tileset
