#pragma once
// The decoder of each picture kind, behind decodePicture. Each gives none for
// bytes it refuses; allocation failures surface as std::bad_alloc, which
// decodePicture turns into none.
#include <cstdint>
#include <optional>
#include <span>

#include "picture/Picture.h"

namespace qv::detail {

std::optional<Picture> decodeBmp(std::span<const std::uint8_t> bytes);
std::optional<Picture> decodeJpeg(std::span<const std::uint8_t> bytes);
std::optional<Picture> decodeGif(std::span<const std::uint8_t> bytes);
// kind is Icon or Cursor; both are laid out alike.
std::optional<Picture> decodeIcon(std::span<const std::uint8_t> bytes, PictureKind kind);
// kind is Pcx8 or Pcx1, as sniffed.
std::optional<Picture> decodePcx(std::span<const std::uint8_t> bytes, PictureKind kind);

// Sets kind and size and allocates the pixels (zeroed, so black). False, with
// nothing allocated, when a side is below 1 or the picture has more than
// kMaxPicturePixels pixels: an empty picture shows nothing and is refused.
bool allocatePicture(Picture& picture, PictureKind kind, std::int64_t width, std::int64_t height);

}  // namespace qv::detail
