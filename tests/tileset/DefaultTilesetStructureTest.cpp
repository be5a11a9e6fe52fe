// The embedded default tileset, read block by block as a GIF89a file.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <span>
#include <vector>

#include "tools/tileset/DefaultTileset.h"

namespace {

int le16(std::span<const std::uint8_t> b, std::size_t at) { return b[at] | (b[at + 1] << 8); }

struct GifLayout {
    int screenWidth = 0, screenHeight = 0;
    std::uint8_t screenFlags = 0;
    bool hasGce = false;
    std::uint8_t gceFlags = 0;
    int transparentIndex = -1;
    int images = 0;
    int imageLeft = -1, imageTop = -1, imageWidth = 0, imageHeight = 0;
    std::uint8_t imageFlags = 0;
    int minCodeSize = 0;
    std::size_t largestSubBlock = 0;
    bool trailerLast = false;
    bool walkedCleanly = false;
};

// Walks the blocks; stops (walkedCleanly false) at anything malformed.
GifLayout walk(std::span<const std::uint8_t> b) {
    GifLayout g;
    if (b.size() < 13) return g;
    g.screenWidth = le16(b, 6);
    g.screenHeight = le16(b, 8);
    g.screenFlags = b[10];
    std::size_t at = 13;
    if (g.screenFlags & 0x80) at += 3u * (1u << ((g.screenFlags & 7) + 1));
    auto skipSubBlocks = [&](std::size_t& p) {
        while (p < b.size() && b[p] != 0) {
            g.largestSubBlock = std::max<std::size_t>(g.largestSubBlock, b[p]);
            p += 1 + b[p];
        }
        if (p >= b.size()) return false;
        ++p;
        return true;
    };
    while (at < b.size()) {
        const std::uint8_t introducer = b[at];
        if (introducer == 0x3B) {
            g.trailerLast = (at == b.size() - 1);
            g.walkedCleanly = true;
            return g;
        }
        if (introducer == 0x21) {
            if (at + 1 >= b.size()) return g;
            if (b[at + 1] == 0xF9 && at + 7 < b.size() && b[at + 2] == 4) {
                g.hasGce = true;
                g.gceFlags = b[at + 3];
                g.transparentIndex = b[at + 6];
            }
            at += 2;
            if (!skipSubBlocks(at)) return g;
            continue;
        }
        if (introducer == 0x2C) {
            if (at + 11 > b.size()) return g;
            ++g.images;
            g.imageLeft = le16(b, at + 1);
            g.imageTop = le16(b, at + 3);
            g.imageWidth = le16(b, at + 5);
            g.imageHeight = le16(b, at + 7);
            g.imageFlags = b[at + 9];
            at += 10;
            if (g.imageFlags & 0x80) at += 3u * (1u << ((g.imageFlags & 7) + 1));
            if (at >= b.size()) return g;
            g.minCodeSize = b[at++];
            if (!skipSubBlocks(at)) return g;
            continue;
        }
        return g;  // unknown block
    }
    return g;
}

TEST(DefaultTilesetStructure, IsOneOpaqueRectangleOfA640By1408GifWithWhiteTransparentIndex) {
    const auto gif = qv::defaultTilesetGif();
    ASSERT_GT(gif.size(), 13u + 768u);
    EXPECT_EQ(std::string(gif.begin(), gif.begin() + 6), "GIF89a");

    const GifLayout g = walk(gif);
    ASSERT_TRUE(g.walkedCleanly);
    EXPECT_TRUE(g.trailerLast);
    EXPECT_EQ(g.screenWidth, 640);
    EXPECT_EQ(g.screenHeight, 1408);
    EXPECT_TRUE(g.screenFlags & 0x80) << "global colour table";
    EXPECT_EQ(g.screenFlags & 7, 7) << "256 entries";

    const std::size_t white = 13 + 3 * 255;
    EXPECT_EQ(gif[white], 255);
    EXPECT_EQ(gif[white + 1], 255);
    EXPECT_EQ(gif[white + 2], 255);

    ASSERT_TRUE(g.hasGce);
    EXPECT_EQ(g.gceFlags & 1, 1) << "transparent flag";
    EXPECT_EQ(g.transparentIndex, 255);

    EXPECT_EQ(g.images, 1);
    EXPECT_EQ(g.imageLeft, 0);
    EXPECT_EQ(g.imageTop, 0);
    EXPECT_EQ(g.imageWidth, 640);
    EXPECT_EQ(g.imageHeight, 1408);
    EXPECT_EQ(g.imageFlags & 0x40, 0) << "not interlaced";
    EXPECT_EQ(g.imageFlags & 0x80, 0) << "no local table";
    EXPECT_EQ(g.minCodeSize, 8);
    EXPECT_LE(g.largestSubBlock, 255u);
}

TEST(DefaultTilesetStructure, OnlyTheTransparentEntryIsPureWhite) {
    const auto gif = qv::defaultTilesetGif();
    ASSERT_GT(gif.size(), 13u + 768u);
    for (int i = 0; i < 255; ++i) {
        const std::size_t at = 13 + 3 * static_cast<std::size_t>(i);
        EXPECT_FALSE(gif[at] == 255 && gif[at + 1] == 255 && gif[at + 2] == 255) << "entry " << i;
    }
}

TEST(DefaultTilesetStructure, EmbeddedBytesAreTheGeneratedFile) {
    std::ifstream in(QV_TILESET_GIF, std::ios::binary);
    ASSERT_TRUE(in) << QV_TILESET_GIF;
    const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto gif = qv::defaultTilesetGif();
    ASSERT_EQ(file.size(), gif.size());
    EXPECT_TRUE(std::equal(file.begin(), file.end(), gif.begin()));
}

}  // namespace
