#include <gtest/gtest.h>

#include <algorithm>

#include "PictureFixtures.h"
#include "picture/PictureFiles.h"

namespace qv {
namespace {

using test::makePcx;
using test::PcxLayout;
using test::pixelAt;
using test::Rgb;

std::vector<Rgb> pcxTable() {
    std::vector<Rgb> t;
    for (int i = 0; i < 256; ++i)
        t.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i ^ 0x55), static_cast<std::uint8_t>(255 - i)});
    return t;
}

// An 8-bit picture of w x h at (xMin, yMin) with its table; index (x*y + x) & 255,
// runs included, and 0xC0..0xFF indices that need the run form.
PcxLayout eightBit(int w, int h, std::uint16_t bytesPerLine) {
    PcxLayout layout;
    layout.xMin = 3;
    layout.yMin = 5;
    layout.xMax = static_cast<std::uint16_t>(3 + w - 1);
    layout.yMax = static_cast<std::uint16_t>(5 + h - 1);
    layout.bytesPerLine = bytesPerLine;
    for (int y = 0; y < h; ++y) {
        std::vector<std::uint8_t> line(std::max<std::size_t>(bytesPerLine, static_cast<std::size_t>(w)), 0xEE);
        for (int x = 0; x < w; ++x) line[x] = static_cast<std::uint8_t>(x < w / 2 ? 0xC5 : (x * y + x + 190));
        layout.lines.push_back(line);
    }
    layout.table = pcxTable();
    return layout;
}

TEST(PcxDecoder, EightBitUsesTheTableAfterTheData) {
    const PcxLayout layout = eightBit(71, 9, 72);
    const auto picture = decodePicture(makePcx(layout));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->kind, PictureKind::Pcx8);
    ASSERT_EQ(picture->width, 71);
    ASSERT_EQ(picture->height, 9);
    EXPECT_TRUE(picture->mask.empty());
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 71; ++x) ASSERT_EQ(pixelAt(*picture, x, y), layout.table[layout.lines[y][x]]) << x << "," << y;
}

TEST(PcxDecoder, ByteC0StandsForItself) {
    PcxLayout layout = eightBit(3, 1, 3);
    layout.lines = {{0xC0, 0x01, 0x02}};
    Bytes file = makePcx(layout);
    // The encoder wrote 0xC0 plain; it must come back as index 192.
    const auto picture = decodePicture(file);
    ASSERT_TRUE(picture);
    EXPECT_EQ(pixelAt(*picture, 0, 0), layout.table[0xC0]);
    EXPECT_EQ(pixelAt(*picture, 1, 0), layout.table[1]);
}

TEST(PcxDecoder, RunsMayCrossLines) {
    PcxLayout layout = eightBit(4, 2, 4);
    Bytes file = makePcx(layout);
    file.resize(128);
    // Eight pixels of index 9 as one run over both lines.
    file.push_back(0xC8);
    file.push_back(9);
    file.push_back(0x0C);
    for (const Rgb& c : layout.table) file.insert(file.end(), c.begin(), c.end());
    const auto picture = decodePicture(file);
    ASSERT_TRUE(picture);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(pixelAt(*picture, x, y), layout.table[9]);
}

TEST(PcxDecoder, ThreePlanesAreRedGreenBlue) {
    PcxLayout layout;
    layout.planes = 3;
    layout.xMax = 2;
    layout.yMax = 1;
    layout.bytesPerLine = 4;
    layout.lines = {{1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0}, {10, 11, 12, 0, 13, 14, 15, 0, 16, 17, 18, 0}};
    const auto picture = decodePicture(makePcx(layout));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->kind, PictureKind::Pcx8);
    EXPECT_EQ(pixelAt(*picture, 0, 0), (Rgb{1, 4, 7}));
    EXPECT_EQ(pixelAt(*picture, 2, 1), (Rgb{12, 15, 18}));
}

TEST(PcxDecoder, OneBitIsBlackAndWhiteMostSignificantBitFirst) {
    PcxLayout layout;
    layout.version = 3;
    layout.bits = 1;
    layout.xMax = 10;  // 11 pixels
    layout.yMax = 1;
    layout.bytesPerLine = 2;
    layout.lines = {{0b10110000, 0b01100000}, {0xFF, 0xFF}};
    const auto picture = decodePicture(makePcx(layout));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->kind, PictureKind::Pcx1);
    ASSERT_EQ(picture->width, 11);
    ASSERT_EQ(picture->height, 2);
    const int bits[11] = {1, 0, 1, 1, 0, 0, 0, 0, 0, 1, 1};
    for (int x = 0; x < 11; ++x) {
        const std::uint8_t v = bits[x] ? 255 : 0;
        EXPECT_EQ(pixelAt(*picture, x, 0), (Rgb{v, v, v})) << x;
        EXPECT_EQ(pixelAt(*picture, x, 1), (Rgb{255, 255, 255})) << x;
    }
}

struct PcxRefusal {
    const char* name;
    std::function<void(Bytes&)> patch;
};

TEST(PcxDecoder, RefusesBrokenFiles) {
    const Bytes good = makePcx(eightBit(10, 4, 10));
    ASSERT_TRUE(decodePicture(good));
    const PcxRefusal cases[] = {
        {"header only", [](Bytes& b) { b.resize(128); }},
        {"xmax below xmin", [](Bytes& b) { b[8] = 0; b[9] = 0; }},
        {"ymax below ymin", [](Bytes& b) { b[10] = 0; b[11] = 0; }},
        {"two planes", [](Bytes& b) { b[65] = 2; }},
        {"bytes per line below the width", [](Bytes& b) { b[66] = 9; }},
        {"data cut", [](Bytes& b) { b.resize(140); }},
        {"table marker missing", [](Bytes& b) { b[b.size() - 769] = 0x0B; }},
        {"table cut", [](Bytes& b) { b.pop_back(); }},
        {"huge window", [](Bytes& b) { b[8] = b[9] = b[10] = b[11] = 0xFF; b[66] = b[67] = 0xFF; }},
    };
    for (const PcxRefusal& c : cases) {
        Bytes file = good;
        c.patch(file);
        EXPECT_FALSE(decodePicture(file)) << c.name;
    }

    PcxLayout oneBit;
    oneBit.version = 3;
    oneBit.bits = 1;
    oneBit.planes = 4;
    oneBit.bytesPerLine = 1;
    oneBit.lines = {{0, 0, 0, 0}};
    EXPECT_FALSE(decodePicture(makePcx(oneBit))) << "1-bit in four planes";
}

}  // namespace
}  // namespace qv
