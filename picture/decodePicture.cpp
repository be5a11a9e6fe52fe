#include <new>
#include <stdexcept>

#include "picture/Decoders.h"
#include "picture/PictureFiles.h"

namespace qv {

std::optional<Picture> decodePicture(std::span<const std::uint8_t> bytes) {
    try {
        const PictureKind kind = sniffPictureKind(bytes);
        switch (kind) {
            case PictureKind::Bmp: return detail::decodeBmp(bytes);
            case PictureKind::Jpeg: return detail::decodeJpeg(bytes);
            case PictureKind::Icon:
            case PictureKind::Cursor: return detail::decodeIcon(bytes, kind);
            case PictureKind::Gif: return detail::decodeGif(bytes);
            case PictureKind::Pcx8:
            case PictureKind::Pcx1: return detail::decodePcx(bytes, kind);
            case PictureKind::Unrecognised: return std::nullopt;
        }
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    } catch (const std::length_error&) {
        return std::nullopt;
    }
}

}  // namespace qv
