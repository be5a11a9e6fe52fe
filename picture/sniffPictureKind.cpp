#include "picture/PictureFiles.h"

namespace qv {

PictureKind sniffPictureKind(std::span<const std::uint8_t> b) {
    if (b.size() < 6) return PictureKind::Unrecognised;
    const auto word = [&](std::size_t at) { return static_cast<unsigned>(b[at] | (b[at + 1] << 8)); };
    if (b[0] == 0x42 && b[1] == 0x4D) return PictureKind::Bmp;
    if (b[0] == 0xFF && b[1] == 0xD8) return PictureKind::Jpeg;
    if (word(0) == 0 && word(2) == 1 && word(4) > 0) return PictureKind::Icon;
    if (word(0) == 0 && word(2) == 2 && word(4) > 0) return PictureKind::Cursor;
    if (b[0] == 'G' && b[1] == 'I' && b[2] == 'F' && b[3] == '8' && (b[4] == '7' || b[4] == '9') && b[5] == 'a')
        return PictureKind::Gif;
    if (b[0] == 0x0A && b[1] <= 5 && b[2] == 1 && b[3] == 8) return PictureKind::Pcx8;
    if (b[0] == 0x0A && b[1] == 3 && b[2] == 1 && b[3] == 1) return PictureKind::Pcx1;
    return PictureKind::Unrecognised;
}

}  // namespace qv
