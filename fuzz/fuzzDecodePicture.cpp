// Any bytes through decodePicture: no crash, no hang, and a picture that
// keeps the promises of its type.
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "picture/PictureFiles.h"

using qv::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const qv::PictureKind kind = qv::sniffPictureKind(bytes);
    const std::optional<qv::Picture> picture = qv::decodePicture(bytes);
    if (!picture) return 0;

    require(kind != qv::PictureKind::Unrecognised, "only recognised bytes decode");
    require(picture->kind == kind, "the picture's kind is the kind its first bytes tell");
    require(picture->width > 0 && picture->height > 0, "width and height are at least 1");
    const std::uint64_t pixels = static_cast<std::uint64_t>(picture->width) * static_cast<std::uint64_t>(picture->height);
    require(pixels <= qv::kMaxPicturePixels, "no picture beyond the pixel limit");
    require(picture->rgb.size() == pixels * 3, "three colour bytes per pixel");
    const bool mayHaveMask = kind == qv::PictureKind::Icon || kind == qv::PictureKind::Cursor;
    require(picture->mask.empty() || (mayHaveMask && picture->mask.size() == pixels),
            "a mask only on icons and cursors, one byte per pixel");
    // Touch the last pixel and mask byte, so a buffer shorter than it says is
    // caught here rather than by whoever draws it.
    volatile std::uint8_t last = picture->rgb.back();
    (void)last;
    if (!picture->mask.empty()) (void)picture->transparentAt(static_cast<std::int64_t>(pixels) - 1);
    return 0;
}
