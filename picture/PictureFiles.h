#pragma once
// Reading and writing picture files. Nothing here reports an error: a file
// that cannot be decoded gives none, and a surface that cannot be encoded
// gives empty bytes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "picture/Picture.h"
#include "picture/Surface.h"

namespace qv {

// Tells the kind of a picture file from its first six bytes.
PictureKind sniffPictureKind(std::span<const std::uint8_t> bytes);

// Decodes BMP, JPEG, GIF, icon, cursor and PCX bytes; none for anything else.
std::optional<Picture> decodePicture(std::span<const std::uint8_t> bytes);

// The 24-bit bottom-up BMP file of a surface (the map file format).
Bytes encodeBmp24(const Surface& surface);

}  // namespace qv
