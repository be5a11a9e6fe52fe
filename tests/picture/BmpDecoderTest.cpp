#include <gtest/gtest.h>

#include <limits>

#include "PictureFixtures.h"
#include "picture/PictureFiles.h"

namespace qv {
namespace {

using test::BmpLayout;
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
void expectPixels(const Picture& p, const BmpLayout& layout, const std::function<std::uint32_t(int, int)>& value) {
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const std::uint32_t v = value(x, y);
            Rgb want;
            if (layout.bits <= 8) {
                want = v < layout.table.size() ? layout.table[v] : Rgb{0, 0, 0};
            } else {
                want = {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
            }
            ASSERT_EQ(pixelAt(p, x, y), want) << "at " << x << "," << y;
        }
}

TEST(BmpDecoder, DecodesEveryDepthWithOddWidths) {
    for (std::uint16_t bits : {1, 4, 8, 24, 32})
        for (int width : {1, 3, 5, 9, 31, 33}) {
            BmpLayout layout;
            layout.width = width;
            layout.height = 5;
            layout.bits = bits;
            if (bits <= 8) layout.table = greyRamp(1 << bits);
            const auto value = [&](int x, int y) { return bits <= 8 ? (x + 3 * y) % (1u << bits) : pattern(x, y); };
            const auto picture = decodePicture(makeBmp(layout, value));
            ASSERT_TRUE(picture) << bits << " bits, width " << width;
            EXPECT_EQ(picture->kind, PictureKind::Bmp);
            EXPECT_EQ(picture->width, width);
            EXPECT_EQ(picture->height, 5);
            expectPixels(*picture, layout, value);
        }
}

TEST(BmpDecoder, NegativeHeightGivesTheSamePictureAsPositive) {
    for (std::uint16_t bits : {1, 4, 8, 24, 32}) {
        BmpLayout up;
        up.width = 7;
        up.height = 6;
        up.bits = bits;
        if (bits <= 8) up.table = greyRamp(1 << bits);
        BmpLayout down = up;
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
    BmpLayout layout;
    layout.width = 256;
    layout.bits = 8;
    layout.table = greyRamp(256);
    layout.coloursUsed = 0;
    const auto value = [](int x, int) { return static_cast<std::uint32_t>(x); };
    const auto picture = decodePicture(makeBmp(layout, value));
    ASSERT_TRUE(picture);
    expectPixels(*picture, layout, value);
    EXPECT_EQ(pixelAt(*picture, 255, 0), (Rgb{255, 0, 7}));

    // bfOffBits one short of 54 + 4 * 256 overlaps the table: none.
    layout.offBits = 54 + 4 * 256 - 1;
    EXPECT_FALSE(decodePicture(makeBmp(layout, value)));
}

TEST(BmpDecoder, ColourCountLimitsTheTableAndIndicesBeyondItAreBlack) {
    BmpLayout layout;
    layout.width = 4;
    layout.bits = 8;
    layout.coloursUsed = 2;
    layout.table = {{200, 100, 50}, {1, 2, 3}};
    const auto picture = decodePicture(makeBmp(layout, [](int x, int) { return static_cast<std::uint32_t>(x * 3) % 256; }));
    ASSERT_TRUE(picture);
    EXPECT_EQ(pixelAt(*picture, 0, 0), (Rgb{200, 100, 50}));
    EXPECT_EQ(pixelAt(*picture, 1, 0), (Rgb{0, 0, 0}));  // index 3
    EXPECT_EQ(pixelAt(*picture, 3, 0), (Rgb{0, 0, 0}));  // index 9
}

TEST(BmpDecoder, ColourTableFollowsTheHeaderTheFileHas) {
    // V4 (108), V5 (124) and OS/2 2.x (64) headers: the table starts at 14 + biSize.
    for (std::uint32_t infoSize : {40u, 52u, 56u, 64u, 108u, 124u}) {
        BmpLayout layout;
        layout.width = 3;
        layout.bits = 8;
        layout.infoSize = infoSize;
        layout.coloursUsed = 3;
        layout.table = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
        const auto value = [](int x, int) { return static_cast<std::uint32_t>(x); };
        const auto picture = decodePicture(makeBmp(layout, value));
        ASSERT_TRUE(picture) << infoSize;
        expectPixels(*picture, layout, value);
    }
}

TEST(BmpDecoder, ShortInfoHeaderKeepsTheTableAtFiftyFour) {
    // A 12-byte size field is not believed: the 40-byte reading stands and the
    // table is read from offset 54.
    BmpLayout layout;
    layout.width = 2;
    layout.bits = 8;
    layout.infoSize = 40;
    layout.coloursUsed = 2;
    layout.table = {{9, 8, 7}, {6, 5, 4}};
    Bytes file = makeBmp(layout, [](int x, int) { return static_cast<std::uint32_t>(x); });
    file[14] = 12;
    const auto picture = decodePicture(file);
    ASSERT_TRUE(picture);
    EXPECT_EQ(pixelAt(*picture, 1, 0), (Rgb{6, 5, 4}));
    // A header size that would put the table past bfOffBits gives none.
    file[14] = 200;
    EXPECT_FALSE(decodePicture(file));
}

TEST(BmpDecoder, PixelRowsStartAtBfOffBits) {
    BmpLayout layout;
    layout.width = 2;
    layout.bits = 24;
    layout.offBits = 54 + 13;  // a gap the reader skips
    const auto value = [](int x, int) { return x ? 0x123456u : 0xABCDEFu; };
    const auto picture = decodePicture(makeBmp(layout, value));
    ASSERT_TRUE(picture);
    expectPixels(*picture, layout, value);
}

TEST(BmpDecoder, LastRowNeedsItsPixelsButNotItsPadding) {
    BmpLayout layout;
    layout.width = 5;
    layout.height = 3;
    layout.bits = 24;
    layout.dropLastPadding = true;
    const auto picture = decodePicture(makeBmp(layout, pattern));
    ASSERT_TRUE(picture);
    expectPixels(*picture, layout, pattern);
}

struct Refusal {
    const char* name;
    std::function<void(BmpLayout&)> edit;
    std::function<void(Bytes&)> patch;
};

TEST(BmpDecoder, RefusesWhatItDoesNotRead) {
    const auto none = [](Bytes&) {};
    const auto setLe32 = [](Bytes& b, std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    const Refusal cases[] = {
        {"16-bit", [](BmpLayout& s) { s.bits = 16; }, none},
        {"2-bit", [](BmpLayout& s) { s.bits = 2; s.table = greyRamp(4); }, none},
        {"0-bit", [](BmpLayout& s) { s.bits = 0; }, none},
        {"run-length 8", [](BmpLayout& s) { s.bits = 8; s.table = greyRamp(256); s.compression = 1; }, none},
        {"run-length 4", [](BmpLayout& s) { s.bits = 4; s.table = greyRamp(16); s.compression = 2; }, none},
        {"bit fields", [](BmpLayout& s) { s.bits = 32; s.compression = 3; }, none},
        {"embedded JPEG", [](BmpLayout& s) { s.compression = 4; }, none},
        {"bfOffBits inside the table", [](BmpLayout& s) { s.bits = 4; s.table = greyRamp(16); s.offBits = 54 + 60; }, none},
        {"bfOffBits inside the header", [](BmpLayout& s) { s.offBits = 50; }, none},
        {"colour count past bfOffBits", [](BmpLayout& s) { s.bits = 8; s.table = greyRamp(256); s.coloursUsed = 0x40000000; }, none},
        {"truncated last row", [](BmpLayout&) {}, [](Bytes& b) { b.resize(b.size() - 3); }},
        {"truncated header", [](BmpLayout&) {}, [](Bytes& b) { b.resize(53); }},
        {"zero width", [](BmpLayout& s) { s.width = 0; }, none},
        {"zero height", [](BmpLayout&) {}, [&](Bytes& b) { setLe32(b, 22, 0); }},
        {"most negative height", [](BmpLayout&) {}, [&](Bytes& b) { setLe32(b, 22, 0x80000000u); }},
        {"most negative width", [](BmpLayout&) {}, [&](Bytes& b) { setLe32(b, 18, 0x80000000u); }},
        {"too many pixels", [](BmpLayout&) {}, [&](Bytes& b) { setLe32(b, 18, 40000); setLe32(b, 22, 40000); }},
        {"rows beyond the bytes", [](BmpLayout&) {}, [&](Bytes& b) { setLe32(b, 22, 1000); }},
        {"bfOffBits beyond the bytes", [](BmpLayout&) {}, [&](Bytes& b) { setLe32(b, 10, 0xFFFFFFF0u); }},
    };
    for (const Refusal& c : cases) {
        BmpLayout layout;
        layout.width = 6;
        layout.height = 4;
        c.edit(layout);
        Bytes file = makeBmp(layout, [](int x, int y) { return static_cast<std::uint32_t>(x + y); });
        c.patch(file);
        EXPECT_FALSE(decodePicture(file)) << c.name;
    }
}

}  // namespace
}  // namespace qv
