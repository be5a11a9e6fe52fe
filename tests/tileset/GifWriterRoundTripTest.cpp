// The GIF writer and its LZW encoder, decoded back by giflib: images chosen
// to reach every code width, fill the code table many times over and use
// each table size.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <ostream>
#include <vector>

#include "tools/tileset/GifWriter.h"
#include "tools/tileset/LzwEncoder.h"

#ifdef QV_HAVE_GIFLIB
#include <gif_lib.h>
#endif

namespace {

using qv::tileset::GifImage;
using qv::tileset::Rgb;

enum class Fill { Uniform, Noise, Stripes, Gradient };

GifImage makeImage(int width, int height, int tableBits, Fill fill, std::uint32_t seed = 1) {
    GifImage image;
    image.width = width;
    image.height = height;
    const int entries = 1 << tableBits;
    for (int i = 0; i < entries; ++i)
        image.colours.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                                 static_cast<std::uint8_t>(i * 7)});
    std::uint32_t state = seed;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            int v = 0;
            switch (fill) {
                case Fill::Uniform: v = entries - 1; break;
                case Fill::Noise:
                    state = state * 1664525u + 1013904223u;
                    v = static_cast<int>(state >> 24);
                    break;
                case Fill::Stripes: v = (x / 3 + y) % entries; break;
                case Fill::Gradient: v = (x * entries) / width; break;
            }
            image.indices.push_back(static_cast<std::uint8_t>(v % entries));
        }
    return image;
}

#ifdef QV_HAVE_GIFLIB
struct Reader {
    const std::vector<std::uint8_t>* bytes;
    std::size_t at = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
    auto* r = static_cast<Reader*>(gif->UserData);
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(length), r->bytes->size() - r->at);
    std::memcpy(buffer, r->bytes->data() + r->at, n);
    r->at += n;
    return static_cast<int>(n);
}

// Indices as giflib decodes them; empty when it refuses the file.
std::vector<std::uint8_t> decodeWithGiflib(const std::vector<std::uint8_t>& bytes) {
    Reader reader{&bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, readFromMemory, &error);
    if (!gif) return {};
    std::vector<std::uint8_t> out;
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1) {
        const SavedImage& image = gif->SavedImages[0];
        out.assign(image.RasterBits, image.RasterBits + image.ImageDesc.Width * image.ImageDesc.Height);
    }
    DGifCloseFile(gif, &error);
    return out;
}
#endif

struct RoundTripCase {
    const char* name;
    int width, height, tableBits;
    Fill fill;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class GifWriterRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(GifWriterRoundTrip, GiflibDecodesTheSameIndices) {
#ifndef QV_HAVE_GIFLIB
    GTEST_SKIP() << "giflib is not installed";
#else
    const RoundTripCase& c = GetParam();
    const GifImage image = makeImage(c.width, c.height, c.tableBits, c.fill);
    const std::vector<std::uint8_t> gif = qv::tileset::writeGif(image);
    ASSERT_FALSE(gif.empty());
    const std::vector<std::uint8_t> decoded = decodeWithGiflib(gif);
    ASSERT_EQ(decoded.size(), image.indices.size());
    EXPECT_TRUE(decoded == image.indices);
#endif
}

INSTANTIATE_TEST_SUITE_P(
    Images, GifWriterRoundTrip,
    ::testing::Values(
        RoundTripCase{"OnePixel", 1, 1, 1, Fill::Uniform},
        RoundTripCase{"TwoColoursSmallestCodes", 37, 11, 1, Fill::Stripes},
        RoundTripCase{"FourColours", 64, 64, 2, Fill::Noise},
        RoundTripCase{"SixteenColours", 100, 80, 4, Fill::Stripes},
        // A long run makes ever-longer strings: codes widen with few pixels.
        RoundTripCase{"LongRun", 1000, 300, 8, Fill::Uniform},
        // Noise fills the 4096-entry table again and again: many clears.
        RoundTripCase{"NoiseFillsTheTable", 509, 257, 8, Fill::Noise},
        RoundTripCase{"Gradient", 640, 64, 8, Fill::Gradient}),
    [](const ::testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.name); });

TEST(LzwEncoder, StartsWithClearAndEndsWithEnd) {
    // Two-bit minimum: clear = 4, end = 5, three-bit codes at the start.
    const std::vector<std::uint8_t> codes = qv::tileset::lzwEncode(std::vector<std::uint8_t>{}, 2);
    // clear (100) then end (101), packed low bits first: 0b101100 = 0x2C.
    ASSERT_EQ(codes.size(), 1u);
    EXPECT_EQ(codes[0], 0x2C);
}

TEST(GifWriter, RefusesInconsistentImages) {
    GifImage good = makeImage(4, 4, 2, Fill::Stripes);
    ASSERT_FALSE(qv::tileset::writeGif(good).empty());

    GifImage shortPixels = good;
    shortPixels.indices.pop_back();
    EXPECT_TRUE(qv::tileset::writeGif(shortPixels).empty());

    GifImage indexBeyondTable = good;
    indexBeyondTable.indices[5] = 4;
    EXPECT_TRUE(qv::tileset::writeGif(indexBeyondTable).empty());

    GifImage oddTable = good;
    oddTable.colours.pop_back();
    EXPECT_TRUE(qv::tileset::writeGif(oddTable).empty());

    GifImage transparentBeyondTable = good;
    transparentBeyondTable.transparentIndex = 9;
    EXPECT_TRUE(qv::tileset::writeGif(transparentBeyondTable).empty());
}

}  // namespace
