#include <gtest/gtest.h>

#include <random>

#include "picture/PictureFiles.h"

namespace qv {
namespace {

std::uint32_t readLe32(const Bytes& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}

TEST(EncodeBmp24, MapCanvasSnapshotHasTheKnownHeaderAndBottomRowFirst) {
    Surface surface(512, 512, rgbPixel(1, 2, 3));
    surface.row(511)[0] = rgbPixel(0xAA, 0xBB, 0xCC);  // bottom-left
    surface.row(0)[0] = rgbPixel(0x11, 0x22, 0x33);    // top-left
    const Bytes file = encodeBmp24(surface);
    ASSERT_EQ(file.size(), 786486u);
    const Bytes header = {0x42, 0x4D, 0x36, 0x00, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x36, 0x00, 0x00, 0x00,
                          0x28, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x01, 0x00,
                          0x18, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00,
                          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 54), header);
    // The first stored row is the bottom row, blue-green-red.
    EXPECT_EQ(file[54], 0xCC);
    EXPECT_EQ(file[55], 0xBB);
    EXPECT_EQ(file[56], 0xAA);
    const std::size_t lastRow = 54 + 511 * 1536;
    EXPECT_EQ(file[lastRow], 0x33);
    EXPECT_EQ(file[lastRow + 1], 0x22);
    EXPECT_EQ(file[lastRow + 2], 0x11);
}

TEST(EncodeBmp24, TenByTenRowsArePaddedToThirtyTwoBytes) {
    Surface surface(10, 10, rgbPixel(0xFF, 0xFF, 0xFF));
    const Bytes file = encodeBmp24(surface);
    ASSERT_EQ(file.size(), 374u);
    EXPECT_EQ(readLe32(file, 2), 374u);
    EXPECT_EQ(readLe32(file, 34), 320u);
    for (int row = 0; row < 10; ++row) {
        const std::size_t at = 54 + 32 * static_cast<std::size_t>(row);
        for (int i = 0; i < 30; ++i) EXPECT_EQ(file[at + i], 0xFF) << "row " << row << " byte " << i;
        EXPECT_EQ(file[at + 30], 0) << "pad, row " << row;
        EXPECT_EQ(file[at + 31], 0) << "pad, row " << row;
    }
}

TEST(EncodeBmp24, SurfaceWithoutPixelsGivesEmptyBytes) {
    EXPECT_TRUE(encodeBmp24(Surface{}).empty());
    Surface lying;
    lying.width = 4;
    lying.height = 4;  // no pixel storage behind the size
    EXPECT_TRUE(encodeBmp24(lying).empty());
}

TEST(SnapshotRoundTrip, DecodedSnapshotHasTheSurfacesSizeAndColours) {
    std::mt19937 random(7);
    const std::pair<int, int> sizes[] = {{1, 1}, {2, 1}, {3, 2}, {4, 4}, {5, 7}, {10, 10}, {33, 17}, {1, 40}, {257, 3}};
    for (const auto& [w, h] : sizes) {
        Surface surface(w, h, 0);
        for (auto& px : surface.pixels) px = kOpaque | (random() & 0xFFFFFF);
        const Bytes file = encodeBmp24(surface);
        const auto picture = decodePicture(file);
        ASSERT_TRUE(picture) << w << "x" << h;
        EXPECT_EQ(picture->kind, PictureKind::Bmp);
        ASSERT_EQ(picture->width, w);
        ASSERT_EQ(picture->height, h);
        EXPECT_TRUE(picture->mask.empty());
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::size_t i = (static_cast<std::size_t>(y) * w + x) * 3;
                const std::uint32_t got = rgbPixel(picture->rgb[i], picture->rgb[i + 1], picture->rgb[i + 2]);
                ASSERT_EQ(got, surface.at(x, y)) << w << "x" << h << " at " << x << "," << y;
            }
    }
}

}  // namespace
}  // namespace qv
