#pragma once
// Binary PPM (P6) pictures, the tool's interchange format.
//
// readPpm takes hostile bytes: the header is "P6", width, height and maxval
// as decimal numbers separated by whitespace (with '#' comments up to the end
// of a line), then exactly one whitespace byte and width x height samples of
// three bytes. maxval may be 1 to 255; samples are scaled to 0..255 (values
// above maxval count as maxval). Two-byte samples (maxval above 255) are not
// read. Either side below 1, more than 2^30 pixels, samples missing, or
// memory running out gives none; bytes after the last sample are ignored.
#include <cstdint>
#include <optional>
#include <span>

#include "picture/Picture.h"
#include "picture/Surface.h"

namespace qv {

std::optional<Surface> readPpm(std::span<const std::uint8_t> bytes);

// "P6", width, height, 255, then the picture's red, green, blue bytes, top
// row first. The transparency mask is not written. Empty when memory runs out.
Bytes writePpm(const Picture& picture);

}  // namespace qv
