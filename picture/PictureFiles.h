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

// The same file a piece at a time, so a large map reaches the disk without
// its whole file in memory. File rows run bottom-up: file row 0 is the
// surface's last row; each row is padded with zeros to four bytes.
//
// The file's size in bytes; 0 when the surface cannot be encoded (no pixels,
// or a file too large for the format's 32-bit size fields). The functions
// below expect a surface with a nonzero size.
std::uint64_t bmp24FileSize(const Surface& surface);
// The 54 header bytes.
void writeBmp24Header(const Surface& surface, std::uint8_t* out54);
// rowCount whole file rows from firstFileRow on, padding included; nothing
// for rows outside the surface.
void encodeBmp24Rows(const Surface& surface, std::int32_t firstFileRow, std::int32_t rowCount, std::uint8_t* out);
// length bytes of the file from offset on, cutting through rows and the
// header as needed; allocates nothing. False, with out untouched, for a range
// beyond the file or a surface that cannot be encoded.
bool encodeBmp24Part(const Surface& surface, std::uint64_t offset, std::uint64_t length, std::uint8_t* out);

}  // namespace qv
