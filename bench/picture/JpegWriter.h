#pragma once
// JPEG compression of an 8-bit RGB buffer with libjpeg, for benchmark inputs.
#include <cstdint>
#include <vector>

#include "picture/Picture.h"

namespace qv::bench {

// Empty bytes if libjpeg fails.
Bytes writeJpeg(const std::vector<std::uint8_t>& rgb, std::int32_t width, std::int32_t height, int quality);

}  // namespace qv::bench
