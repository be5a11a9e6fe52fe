#include "picture/Decoders.h"
#include "picture/LargeBuffer.h"

namespace qv::detail {

bool allocatePicture(Picture& picture, PictureKind kind, std::int64_t width, std::int64_t height) {
    if (width < 1 || height < 1) return false;
    // Each side is checked first so that the product cannot overflow.
    if (static_cast<std::uint64_t>(width) > kMaxPicturePixels || static_cast<std::uint64_t>(height) > kMaxPicturePixels)
        return false;
    const std::uint64_t pixels = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);
    if (pixels > kMaxPicturePixels) return false;
    picture.kind = kind;
    picture.width = static_cast<std::int32_t>(width);
    picture.height = static_cast<std::int32_t>(height);
    assignLarge<std::uint8_t>(picture.rgb, static_cast<std::size_t>(pixels * 3), 0);
    picture.mask.clear();
    return true;
}

}  // namespace qv::detail
