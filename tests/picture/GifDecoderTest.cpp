#include <gtest/gtest.h>

#include <random>

#include "PictureFixtures.h"
#include "picture/PictureFiles.h"

namespace qv {
namespace {

using test::GifImage;
using test::GifLayout;
using test::makeGif;
using test::pixelAt;
using test::Rgb;

std::vector<Rgb> colourTable(int n) {
    std::vector<Rgb> t;
    for (int i = 0; i < n; ++i)
        t.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 7), static_cast<std::uint8_t>(255 - i)});
    return t;
}

GifImage imageOf(int w, int h, unsigned colours, unsigned seed, bool smooth = false) {
    GifImage image;
    image.width = static_cast<std::uint16_t>(w);
    image.height = static_cast<std::uint16_t>(h);
    std::mt19937 random(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.indices.push_back(static_cast<std::uint8_t>(smooth ? ((x / 7 + y / 5) % colours) : random() % colours));
    unsigned size = 1;
    while ((1u << size) < colours) ++size;
    image.minCodeSize = size < 2 ? 2 : size;
    return image;
}

void expectImageAt(const Picture& p, const GifImage& image, const std::vector<Rgb>& table) {
    for (int y = 0; y < std::min<int>(image.height, p.height); ++y)
        for (int x = 0; x < std::min<int>(image.width, p.width); ++x)
            ASSERT_EQ(pixelAt(p, x, y), table[image.indices[static_cast<std::size_t>(y) * image.width + x]])
                << "at " << x << "," << y;
}

TEST(GifDecoder, DecodesLzwAcrossCodeSizesAndTableResets) {
    struct Case {
        int w, h;
        unsigned colours;
        bool smooth, clearWhenFull;
    };
    const Case cases[] = {
        {1, 1, 2, false, true},     {3, 2, 4, false, true},     {17, 9, 16, true, true},
        {300, 200, 256, false, true}, {300, 200, 256, true, true}, {300, 200, 256, false, false},
        {640, 40, 3, true, false},  {1000, 1, 2, true, true},
    };
    for (const Case& c : cases) {
        GifLayout layout;
        layout.screenWidth = static_cast<std::uint16_t>(c.w);
        layout.screenHeight = static_cast<std::uint16_t>(c.h);
        layout.globalTable = colourTable(256);
        GifImage image = imageOf(c.w, c.h, c.colours, 11, c.smooth);
        image.clearWhenFull = c.clearWhenFull;
        layout.images = {image};
        const auto picture = decodePicture(makeGif(layout));
        ASSERT_TRUE(picture) << c.w << "x" << c.h;
        EXPECT_EQ(picture->kind, PictureKind::Gif);
        EXPECT_EQ(picture->width, c.w);
        EXPECT_EQ(picture->height, c.h);
        EXPECT_TRUE(picture->mask.empty());
        expectImageAt(*picture, image, layout.globalTable);
    }
}

TEST(GifDecoder, MinimumCodeSizesAboveEightDecode) {
    // Some encoders write 9 to 11; colour indices still come from the table.
    for (unsigned minCodeSize : {9u, 10u, 11u}) {
        GifLayout layout;
        layout.screenWidth = 120;
        layout.screenHeight = 50;
        layout.globalTable = colourTable(256);
        GifImage image = imageOf(120, 50, 256, minCodeSize);
        image.minCodeSize = minCodeSize;
        layout.images = {image};
        const auto picture = decodePicture(makeGif(layout));
        ASSERT_TRUE(picture) << minCodeSize;
        expectImageAt(*picture, image, layout.globalTable);
    }
}

TEST(GifDecoder, RunsOfOneColourDecode) {
    // Long runs make the encoder use a code in the same step that defines it.
    GifLayout layout;
    layout.screenWidth = 200;
    layout.screenHeight = 3;
    layout.globalTable = colourTable(4);
    GifImage image;
    image.width = 200;
    image.height = 3;
    image.minCodeSize = 2;
    image.indices.assign(600, 3);
    image.indices[300] = 1;
    layout.images = {image};
    const auto picture = decodePicture(makeGif(layout));
    ASSERT_TRUE(picture);
    expectImageAt(*picture, image, layout.globalTable);
}

TEST(GifDecoder, InterlacedEqualsStraightForEveryHeight) {
    for (int h = 1; h <= 17; ++h) {
        GifLayout layout;
        layout.screenWidth = 5;
        layout.screenHeight = static_cast<std::uint16_t>(h);
        layout.globalTable = colourTable(16);
        GifImage image = imageOf(5, h, 16, static_cast<unsigned>(h));
        layout.images = {image};
        const auto straight = decodePicture(makeGif(layout));
        layout.images[0].interlaced = true;
        const auto interlaced = decodePicture(makeGif(layout));
        ASSERT_TRUE(straight && interlaced) << h;
        EXPECT_EQ(straight->rgb, interlaced->rgb) << "height " << h;
        expectImageAt(*interlaced, image, layout.globalTable);
    }
}

TEST(GifDecoder, OnlyTheFirstImageIsDecodedAndTransparencyIsIgnored) {
    GifLayout layout;
    layout.screenWidth = 4;
    layout.screenHeight = 2;
    layout.globalTable = colourTable(256);
    layout.graphicControl = true;  // transparent index 255 on every image
    GifImage first = imageOf(4, 2, 256, 1);
    first.indices[0] = 255;
    GifImage second = imageOf(4, 2, 256, 2);
    layout.images = {first, second};
    const auto picture = decodePicture(makeGif(layout));
    ASSERT_TRUE(picture);
    expectImageAt(*picture, first, layout.globalTable);
    EXPECT_EQ(pixelAt(*picture, 0, 0), layout.globalTable[255]);
}

TEST(GifDecoder, SmallImageSitsTopLeftOnTheBackgroundColour) {
    GifLayout layout;
    layout.screenWidth = 10;
    layout.screenHeight = 8;
    layout.globalTable = colourTable(16);
    layout.backgroundIndex = 9;
    GifImage image = imageOf(4, 3, 16, 5);
    layout.images = {image};
    const auto picture = decodePicture(makeGif(layout));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 10);
    EXPECT_EQ(picture->height, 8);
    expectImageAt(*picture, image, layout.globalTable);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x)
            if (x >= 4 || y >= 3) {
                ASSERT_EQ(pixelAt(*picture, x, y), layout.globalTable[9]) << x << "," << y;
            }
}

TEST(GifDecoder, ImageLargerThanTheScreenIsCut) {
    GifLayout layout;
    layout.screenWidth = 3;
    layout.screenHeight = 2;
    layout.globalTable = colourTable(16);
    GifImage image = imageOf(7, 5, 16, 9);
    layout.images = {image};
    const auto picture = decodePicture(makeGif(layout));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 3);
    EXPECT_EQ(picture->height, 2);
    expectImageAt(*picture, image, layout.globalTable);
}

TEST(GifDecoder, LocalTableWinsAndMissingEntriesAreBlack) {
    GifLayout layout;
    layout.screenWidth = 4;
    layout.screenHeight = 1;
    layout.globalTable = colourTable(256);
    GifImage image;
    image.width = 4;
    image.height = 1;
    image.minCodeSize = 3;
    image.indices = {0, 1, 5, 7};
    image.localTable = {{1, 2, 3}, {4, 5, 6}};  // two entries: 5 and 7 are beyond it
    layout.images = {image};
    auto picture = decodePicture(makeGif(layout));
    ASSERT_TRUE(picture);
    EXPECT_EQ(pixelAt(*picture, 0, 0), (Rgb{1, 2, 3}));
    EXPECT_EQ(pixelAt(*picture, 1, 0), (Rgb{4, 5, 6}));
    EXPECT_EQ(pixelAt(*picture, 2, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(pixelAt(*picture, 3, 0), (Rgb{0, 0, 0}));

    // Without any table every colour is black.
    layout.globalTable.clear();
    layout.images[0].localTable.clear();
    picture = decodePicture(makeGif(layout));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->rgb, Bytes(12, 0));
}

struct GifRefusal {
    const char* name;
    std::function<void(Bytes&)> patch;
};

TEST(GifDecoder, RefusesBrokenStructure) {
    GifLayout layout;
    layout.screenWidth = 4;
    layout.screenHeight = 4;
    layout.globalTable = colourTable(4);
    layout.images = {imageOf(4, 4, 4, 3)};
    const Bytes good = makeGif(layout);
    // Header 13, table 12, comment block at 25 (7 bytes), image descriptor at 32.
    ASSERT_EQ(good[25], 0x21);
    ASSERT_EQ(good[32], 0x2C);
    ASSERT_TRUE(decodePicture(good));
    const GifRefusal cases[] = {
        {"thirteen bytes", [](Bytes& b) { b.resize(13); }},
        {"global table cut", [](Bytes& b) { b.resize(24); }},
        {"nothing after the table", [](Bytes& b) { b.resize(25); }},
        {"unknown extension label", [](Bytes& b) { b[26] = 0x02; }},
        {"sub-block past the end", [](Bytes& b) { b[27] = 250; }},
        {"extension cut before its end", [](Bytes& b) { b.resize(30); }},
        {"trailer before any image", [](Bytes& b) { b[32] = 0x3B; }},
        {"unknown block", [](Bytes& b) { b[32] = 0x99; }},
        {"no image at all", [](Bytes& b) { b.resize(32); }},
        {"image descriptor cut", [](Bytes& b) { b.resize(41); }},
        {"local table cut", [](Bytes& b) { b[41] |= 0x87; }},
        {"zero-width screen", [](Bytes& b) { b[6] = b[7] = 0; }},
        {"zero-height screen", [](Bytes& b) { b[8] = b[9] = 0; }},
        {"not GIF87a or GIF89a", [](Bytes& b) { b[4] = '8'; }},
    };
    for (const GifRefusal& c : cases) {
        Bytes file = good;
        c.patch(file);
        EXPECT_FALSE(decodePicture(file)) << c.name;
    }
}

// A 6 x 4 screen, four colours, background index 2, and one 6 x 4 image
// whose LZW bytes are given as they are.
Bytes gifWithData(std::uint8_t minCodeSize, const Bytes& data, bool closed = true) {
    Bytes b = {'G', 'I', 'F', '8', '7', 'a', 6, 0, 4, 0, 0x81, 2, 0};
    for (const Rgb& c : colourTable(4)) b.insert(b.end(), c.begin(), c.end());
    const Bytes descriptor = {0x2C, 0, 0, 0, 0, 6, 0, 4, 0, 0};
    b.insert(b.end(), descriptor.begin(), descriptor.end());
    b.push_back(minCodeSize);
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - at);
        b.push_back(static_cast<std::uint8_t>(n));
        b.insert(b.end(), data.begin() + static_cast<std::ptrdiff_t>(at), data.begin() + static_cast<std::ptrdiff_t>(at + n));
    }
    if (closed) {
        b.push_back(0);
        b.push_back(0x3B);
    }
    return b;
}

int backgroundPixels(const Picture& p) {
    int n = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) n += pixelAt(p, x, y) == colourTable(4)[2];
    return n;
}

TEST(GifDecoder, CorruptLzwEndsWithBackgroundWhereDataStops) {
    std::vector<std::uint8_t> indices(24);
    for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = static_cast<std::uint8_t>(i % 2);  // never 2
    const Bytes data = test::lzwEncode(indices, 2);

    struct Case {
        const char* name;
        Bytes file;
        int background;  // pixels left at the background colour
    };
    // 3-bit clear codes (4) over and over.
    Bytes onlyClears(64, 0);
    for (std::size_t bit = 0; bit < onlyClears.size() * 8; bit += 3)
        if (bit + 2 < onlyClears.size() * 8) onlyClears[(bit + 2) / 8] |= static_cast<std::uint8_t>(1u << ((bit + 2) % 8));
    Bytes half(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(data.size() / 2));
    const Case cases[] = {
        {"whole data", gifWithData(2, data), 0},
        {"code size 0", gifWithData(0, data), 24},
        {"code size 12", gifWithData(12, data), 24},
        // After a clear nothing is defined yet, so code 7 cannot be valid.
        {"first code undefined", gifWithData(2, Bytes{0x04 | (0x07 << 3)}), 24},
        {"only clear codes", gifWithData(2, onlyClears), 24},
        {"no data sub-blocks", gifWithData(2, Bytes{}), 24},
        {"file ends in the data", gifWithData(2, half, false), -1},
        {"file ends before the code size", [] {
             Bytes b = gifWithData(2, Bytes{});
             b.resize(b.size() - 3);
             return b;
         }(), 24},
    };
    for (const Case& c : cases) {
        const auto picture = decodePicture(c.file);
        ASSERT_TRUE(picture) << c.name;
        ASSERT_EQ(picture->width, 6) << c.name;
        ASSERT_EQ(picture->height, 4) << c.name;
        if (c.background >= 0) {
            EXPECT_EQ(backgroundPixels(*picture), c.background) << c.name;
        } else {
            const int n = backgroundPixels(*picture);
            EXPECT_GT(n, 0) << c.name;
            EXPECT_LT(n, 24) << c.name;
            EXPECT_EQ(pixelAt(*picture, 0, 0), colourTable(4)[0]) << c.name;
        }
    }
}

TEST(GifDecoder, RandomLzwBytesNeverFail) {
    std::mt19937 random(1234);
    for (int round = 0; round < 3000; ++round) {
        Bytes data(random() % 600);
        for (auto& byte : data) byte = static_cast<std::uint8_t>(random());
        const auto picture = decodePicture(gifWithData(static_cast<std::uint8_t>(1 + random() % 8), data));
        ASSERT_TRUE(picture) << round;
        ASSERT_EQ(picture->rgb.size(), 6u * 4u * 3u);
    }
}

}  // namespace
}  // namespace qv
