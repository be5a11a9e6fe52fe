#include <gtest/gtest.h>

#include <string>

#include "picture/PictureFiles.h"

namespace qv {
namespace {

struct SniffCase {
    const char* name;
    Bytes bytes;
    PictureKind kind;
};

TEST(SniffPictureKind, FirstSixBytesDecideInTableOrder) {
    const SniffCase cases[] = {
        {"empty", {}, PictureKind::Unrecognised},
        {"BM and three bytes", {'B', 'M', 0, 0, 0}, PictureKind::Unrecognised},
        {"BM", {'B', 'M', 0, 0, 0, 0}, PictureKind::Bmp},
        {"JPEG SOI", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0}, PictureKind::Jpeg},
        {"JPEG with five bytes", {0xFF, 0xD8, 0xFF, 0xE0, 0}, PictureKind::Unrecognised},
        {"icon", {0, 0, 1, 0, 1, 0}, PictureKind::Icon},
        {"icon, 256 entries", {0, 0, 1, 0, 0, 1}, PictureKind::Icon},
        {"icon without entries", {0, 0, 1, 0, 0, 0}, PictureKind::Unrecognised},
        {"cursor", {0, 0, 2, 0, 3, 0}, PictureKind::Cursor},
        {"cursor without entries", {0, 0, 2, 0, 0, 0}, PictureKind::Unrecognised},
        {"type 3 directory", {0, 0, 3, 0, 1, 0}, PictureKind::Unrecognised},
        {"GIF87a", {'G', 'I', 'F', '8', '7', 'a'}, PictureKind::Gif},
        {"GIF89a", {'G', 'I', 'F', '8', '9', 'a'}, PictureKind::Gif},
        {"GIF88a", {'G', 'I', 'F', '8', '8', 'a'}, PictureKind::Unrecognised},
        {"GIF89b", {'G', 'I', 'F', '8', '9', 'b'}, PictureKind::Unrecognised},
        {"PCX 8-bit v5", {0x0A, 5, 1, 8, 0, 0}, PictureKind::Pcx8},
        {"PCX 8-bit v0", {0x0A, 0, 1, 8, 0, 0}, PictureKind::Pcx8},
        {"PCX 8-bit v6", {0x0A, 6, 1, 8, 0, 0}, PictureKind::Unrecognised},
        {"PCX 8-bit uncompressed", {0x0A, 5, 0, 8, 0, 0}, PictureKind::Unrecognised},
        {"PCX 1-bit v3", {0x0A, 3, 1, 1, 0, 0}, PictureKind::Pcx1},
        {"PCX 1-bit v5", {0x0A, 5, 1, 1, 0, 0}, PictureKind::Unrecognised},
        {"PCX 1-bit v2", {0x0A, 2, 1, 1, 0, 0}, PictureKind::Unrecognised},
        {"PCX 4-bit", {0x0A, 3, 1, 4, 0, 0}, PictureKind::Unrecognised},
        {"PNG", {0x89, 'P', 'N', 'G', 0x0D, 0x0A}, PictureKind::Unrecognised},
    };
    for (const SniffCase& c : cases) EXPECT_EQ(sniffPictureKind(c.bytes), c.kind) << c.name;
}

TEST(SniffPictureKind, KindDecidesWhateverFollows) {
    // "BM" wins even where the rest would read as something else.
    const Bytes bmp = {'B', 'M', 1, 0, 1, 0};
    EXPECT_EQ(sniffPictureKind(bmp), PictureKind::Bmp);
    EXPECT_FALSE(decodePicture(bmp));
}

TEST(DecodePicture, EmptyShortAndUnknownBytesGiveNone) {
    EXPECT_FALSE(decodePicture(Bytes{}));
    EXPECT_FALSE(decodePicture(Bytes{'G', 'I', 'F'}));
    EXPECT_FALSE(decodePicture(Bytes(100, 0x55)));
}

}  // namespace
}  // namespace qv
