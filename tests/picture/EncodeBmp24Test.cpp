#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <vector>

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

Surface randomSurface(std::int32_t w, std::int32_t h, unsigned seed) {
    std::mt19937 random(seed);
    Surface surface(w, h, 0);
    for (auto& px : surface.pixels) px = kOpaque | (random() & 0xFFFFFF);
    return surface;
}

// Band sizes that cover every row: one at a time, uneven, all at once.
std::vector<std::vector<std::int32_t>> bandSplits(std::int32_t height) {
    std::vector<std::vector<std::int32_t>> splits;
    splits.emplace_back(static_cast<std::size_t>(height), 1);
    std::vector<std::int32_t> uneven;
    for (std::int32_t left = height, band = 2; left > 0; band = band % 5 + 2) {
        uneven.push_back(std::min(band, left));
        left -= uneven.back();
    }
    splits.push_back(uneven);
    splits.push_back({height});
    return splits;
}

// Widths 1, 2, 3 and 5 pad every row; 4 and 16 fill it; 17 and 33 pass the
// sixteen-pixel fast path with a tail.
const std::pair<std::int32_t, std::int32_t> kPieceSizes[] = {{1, 1}, {1, 9}, {2, 3}, {3, 7}, {4, 4},
                                                             {5, 11}, {16, 2}, {17, 13}, {33, 6}};

TEST(EncodeBmp24InPieces, BandsOfRowsAfterTheHeaderMakeTheWholeFile) {
    for (const auto& [w, h] : kPieceSizes) {
        const Surface surface = randomSurface(w, h, static_cast<unsigned>(w * 100 + h));
        const Bytes whole = encodeBmp24(surface);
        ASSERT_EQ(bmp24FileSize(surface), whole.size()) << w << "x" << h;
        const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) / 4 * 4;
        for (const std::vector<std::int32_t>& bands : bandSplits(h)) {
            // Poisoned, so padding the encoder forgets to write shows.
            Bytes pieces(whole.size(), 0xEE);
            writeBmp24Header(surface, pieces.data());
            std::int32_t row = 0;
            for (const std::int32_t rows : bands) {
                encodeBmp24Rows(surface, row, rows, pieces.data() + 54 + static_cast<std::size_t>(row) * stride);
                row += rows;
            }
            EXPECT_EQ(pieces, whole) << w << "x" << h << " in " << bands.size() << " bands";
        }
    }
}

TEST(EncodeBmp24InPieces, ByteRangesCutAnywhereMakeTheWholeFile) {
    for (const auto& [w, h] : kPieceSizes) {
        const Surface surface = randomSurface(w, h, static_cast<unsigned>(w * 100 + h + 1));
        const Bytes whole = encodeBmp24(surface);
        const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) / 4 * 4;
        // Cuts inside the header, inside pixels, inside padding and on row edges.
        for (const std::size_t piece : {std::size_t{1}, std::size_t{5}, std::size_t{53}, stride - 1, stride + 1,
                                        2 * stride + 7, whole.size()}) {
            Bytes pieces(whole.size(), 0xEE);
            for (std::size_t at = 0; at < whole.size(); at += piece) {
                const std::size_t length = std::min(piece, whole.size() - at);
                ASSERT_TRUE(encodeBmp24Part(surface, at, length, pieces.data() + at));
            }
            EXPECT_EQ(pieces, whole) << w << "x" << h << " in pieces of " << piece;
        }
    }
}

TEST(EncodeBmp24InPieces, NothingOutsideTheFileOrForASurfaceWithoutPixels) {
    const Surface surface = randomSurface(5, 3, 1);
    const std::uint64_t size = bmp24FileSize(surface);
    ASSERT_EQ(size, 54u + 3 * 16);
    Bytes out(8, 0xEE);
    EXPECT_FALSE(encodeBmp24Part(surface, size - 4, 5, out.data()));
    EXPECT_FALSE(encodeBmp24Part(surface, size + 1, 0, out.data()));
    EXPECT_FALSE(encodeBmp24Part(surface, 2, UINT64_MAX, out.data()));
    EXPECT_TRUE(encodeBmp24Part(surface, size, 0, out.data()));
    encodeBmp24Rows(surface, 2, 2, out.data());  // one row past the last
    encodeBmp24Rows(surface, -1, 1, out.data());
    EXPECT_EQ(out, Bytes(8, 0xEE));

    Surface lying;
    lying.width = 4;
    lying.height = 4;  // no pixel storage behind the size
    EXPECT_EQ(bmp24FileSize(lying), 0u);
    EXPECT_EQ(bmp24FileSize(Surface{}), 0u);
    EXPECT_FALSE(encodeBmp24Part(lying, 0, 1, out.data()));
    EXPECT_EQ(out, Bytes(8, 0xEE));
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
