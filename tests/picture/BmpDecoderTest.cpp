#include <gtest/gtest.h>

#include <limits>

#include "PictureFixtures.h"
#include "picture/PictureFiles.h"

namespace qv {
namespace {

using test::BmpSpec;
using test::makeBmp;
using test::pixelAt;
using test::Rgb;

std::vector<Rgb> greyRamp(int n) {
    std::vector<Rgb> t;
    for (int i = 0; i < n; ++i) t.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 7});
    return t;
}

std::uint32_t pattern(int x, int y) { return static_cast<std::uint32_t>((x * 37 + y * 101) * 0x010203 + y) & 0xFFFFFF; }

// Checks every pixel against the value function, through the table when indexed.
void expectPixels(const Picture& p, const BmpSpec& spec, const std::function<std::uint32_t(int, int)>& value) {
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const std::uint32_t v = value(x, y);
            Rgb want;
            if (spec.bits <= 8) {
                want = v < spec.table.size() ? spec.table[v] : Rgb{0, 0, 0};
            } else {
                want = {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
            }
            ASSERT_EQ(pixelAt(p, x, y), want) << "at " << x << "," << y;
        }
}

TEST(BmpDecoder, DecodesEveryDepthWithOddWidths) {
    for (std::uint16_t bits : {1, 4, 8, 24, 32})
        for (int width : {1, 3, 5, 9, 31, 33}) {
            BmpSpec spec;
            spec.width = width;
            spec.height = 5;
            spec.bits = bits;
            if (bits <= 8) spec.table = greyRamp(1 << bits);
            const auto value = [&](int x, int y) { return bits <= 8 ? (x + 3 * y) % (1u << bits) : pattern(x, y); };
            const auto picture = decodePicture(makeBmp(spec, value));
            ASSERT_TRUE(picture) << bits << " bits, width " << width;
            EXPECT_EQ(picture->kind, PictureKind::Bmp);
            EXPECT_EQ(picture->width, width);
            EXPECT_EQ(picture->height, 5);
            expectPixels(*picture, spec, value);
        }
}

TEST(BmpDecoder, NegativeHeightGivesTheSamePictureAsPositive) {
    for (std::uint16_t bits : {1, 4, 8, 24, 32}) {
        BmpSpec up;
        up.width = 7;
        up.height = 6;
        up.bits = bits;
        if (bits <= 8) up.table = greyRamp(1 << bits);
        BmpSpec down = up;
        down.height = -6;
        const auto value = [&](int x, int y) { return bits <= 8 ? (x * y + y) % (1u << bits) : pattern(x, y); };
        const auto a = decodePicture(makeBmp(up, value));
        const auto b = decodePicture(makeBmp(down, value));
        ASSERT_TRUE(a && b) << bits;
        EXPECT_EQ(b->height, 6);
        EXPECT_EQ(a->rgb, b->rgb) << bits << " bits";
        expectPixels(*b, down, value);
    }
}

TEST(BmpDecoder, EightBitWithoutColourCountReadsAllTwoHundredFiftySixEntries) {
    BmpSpec spec;
    spec.width = 256;
    spec.bits = 8;
    spec.table = greyRamp(256);
    spec.coloursUsed = 0;
    const auto value = [](int x, int) { return static_cast<std::uint32_t>(x); };
    const auto picture = decodePicture(makeBmp(spec, value));
    ASSERT_TRUE(picture);
    expectPixels(*picture, spec, value);
    EXPECT_EQ(pixelAt(*picture, 255, 0), (Rgb{255, 0, 7}));

    // bfOffBits one short of 54 + 4 * 256 overlaps the table: none.
    spec.offBits = 54 + 4 * 256 - 1;
    EXPECT_FALSE(decodePicture(makeBmp(spec, value)));
}

TEST(BmpDecoder, ColourCountLimitsTheTableAndIndicesBeyondItAreBlack) {
    BmpSpec spec;
    spec.width = 4;
    spec.bits = 8;
    spec.coloursUsed = 2;
    spec.table = {{200, 100, 50}, {1, 2, 3}};
    const auto picture = decodePicture(makeBmp(spec, [](int x, int) { return static_cast<std::uint32_t>(x * 3) % 256; }));
    ASSERT_TRUE(picture);
    EXPECT_EQ(pixelAt(*picture, 0, 0), (Rgb{200, 100, 50}));
    EXPECT_EQ(pixelAt(*picture, 1, 0), (Rgb{0, 0, 0}));  // index 3
    EXPECT_EQ(pixelAt(*picture, 3, 0), (Rgb{0, 0, 0}));  // index 9
}

TEST(BmpDecoder, ColourTableFollowsTheHeaderTheFileHas) {
    // V4 (108), V5 (124) and OS/2 2.x (64) headers: the table starts at 14 + biSize.
    for (std::uint32_t infoSize : {40u, 52u, 56u, 64u, 108u, 124u}) {
        BmpSpec spec;
        spec.width = 3;
        spec.bits = 8;
        spec.infoSize = infoSize;
        spec.coloursUsed = 3;
        spec.table = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
        const auto value = [](int x, int) { return static_cast<std::uint32_t>(x); };
        const auto picture = decodePicture(makeBmp(spec, value));
        ASSERT_TRUE(picture) << infoSize;
        expectPixels(*picture, spec, value);
    }
}

TEST(BmpDecoder, ShortInfoHeaderKeepsTheTableAtFiftyFour) {
    // A 12-byte size field is not believed: the 40-byte reading stands and the
    // table is read from offset 54.
    BmpSpec spec;
    spec.width = 2;
    spec.bits = 8;
    spec.infoSize = 40;
    spec.coloursUsed = 2;
    spec.table = {{9, 8, 7}, {6, 5, 4}};
    Bytes file = makeBmp(spec, [](int x, int) { return static_cast<std::uint32_t>(x); });
    file[14] = 12;
    const auto picture = decodePicture(file);
    ASSERT_TRUE(picture);
    EXPECT_EQ(pixelAt(*picture, 1, 0), (Rgb{6, 5, 4}));
    // A header size that would put the table past bfOffBits gives none.
    file[14] = 200;
    EXPECT_FALSE(decodePicture(file));
}

TEST(BmpDecoder, PixelRowsStartAtBfOffBits) {
    BmpSpec spec;
    spec.width = 2;
    spec.bits = 24;
    spec.offBits = 54 + 13;  // a gap the reader skips
    const auto value = [](int x, int) { return x ? 0x123456u : 0xABCDEFu; };
    const auto picture = decodePicture(makeBmp(spec, value));
    ASSERT_TRUE(picture);
    expectPixels(*picture, spec, value);
}

TEST(BmpDecoder, LastRowNeedsItsPixelsButNotItsPadding) {
    BmpSpec spec;
    spec.width = 5;
    spec.height = 3;
    spec.bits = 24;
    spec.dropLastPadding = true;
    const auto picture = decodePicture(makeBmp(spec, pattern));
    ASSERT_TRUE(picture);
    expectPixels(*picture, spec, pattern);
}

struct Refusal {
    const char* name;
    std::function<void(BmpSpec&)> edit;
    std::function<void(Bytes&)> patch;
};

TEST(BmpDecoder, RefusesWhatItDoesNotRead) {
    const auto none = [](Bytes&) {};
    const auto setLe32 = [](Bytes& b, std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    const Refusal cases[] = {
        {"16-bit", [](BmpSpec& s) { s.bits = 16; }, none},
        {"2-bit", [](BmpSpec& s) { s.bits = 2; s.table = greyRamp(4); }, none},
        {"0-bit", [](BmpSpec& s) { s.bits = 0; }, none},
        {"run-length 8", [](BmpSpec& s) { s.bits = 8; s.table = greyRamp(256); s.compression = 1; }, none},
        {"run-length 4", [](BmpSpec& s) { s.bits = 4; s.table = greyRamp(16); s.compression = 2; }, none},
        {"bit fields", [](BmpSpec& s) { s.bits = 32; s.compression = 3; }, none},
        {"embedded JPEG", [](BmpSpec& s) { s.compression = 4; }, none},
        {"bfOffBits inside the table", [](BmpSpec& s) { s.bits = 4; s.table = greyRamp(16); s.offBits = 54 + 60; }, none},
        {"bfOffBits inside the header", [](BmpSpec& s) { s.offBits = 50; }, none},
        {"colour count past bfOffBits", [](BmpSpec& s) { s.bits = 8; s.table = greyRamp(256); s.coloursUsed = 0x40000000; }, none},
        {"truncated last row", [](BmpSpec&) {}, [](Bytes& b) { b.resize(b.size() - 3); }},
        {"truncated header", [](BmpSpec&) {}, [](Bytes& b) { b.resize(53); }},
        {"zero width", [](BmpSpec& s) { s.width = 0; }, none},
        {"zero height", [](BmpSpec&) {}, [&](Bytes& b) { setLe32(b, 22, 0); }},
        {"most negative height", [](BmpSpec&) {}, [&](Bytes& b) { setLe32(b, 22, 0x80000000u); }},
        {"most negative width", [](BmpSpec&) {}, [&](Bytes& b) { setLe32(b, 18, 0x80000000u); }},
        {"too many pixels", [](BmpSpec&) {}, [&](Bytes& b) { setLe32(b, 18, 40000); setLe32(b, 22, 40000); }},
        {"rows beyond the bytes", [](BmpSpec&) {}, [&](Bytes& b) { setLe32(b, 22, 1000); }},
        {"bfOffBits beyond the bytes", [](BmpSpec&) {}, [&](Bytes& b) { setLe32(b, 10, 0xFFFFFFF0u); }},
    };
    for (const Refusal& c : cases) {
        BmpSpec spec;
        spec.width = 6;
        spec.height = 4;
        c.edit(spec);
        Bytes file = makeBmp(spec, [](int x, int y) { return static_cast<std::uint32_t>(x + y); });
        c.patch(file);
        EXPECT_FALSE(decodePicture(file)) << c.name;
    }
}

}  // namespace
}  // namespace qv
