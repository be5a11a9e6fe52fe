#include <gtest/gtest.h>

#include "PictureFixtures.h"
#include "picture/PictureFiles.h"

namespace qv {
namespace {

using test::IconEntry;
using test::IconImageLayout;
using test::makeIconFile;
using test::makeIconImage;
using test::pixelAt;
using test::Rgb;

// A solid image of one colour, so that the entry used shows in the pixels.
Bytes solidImage(int size, std::uint8_t red) {
    IconImageLayout layout;
    layout.width = size;
    layout.height = size;
    layout.bits = 24;
    layout.value = [red](int, int) { return std::uint32_t{red} << 16; };
    return makeIconImage(layout);
}

TEST(IconDecoder, UsesTheFirst32PixelEntryWithSixteenColoursElseTheLast) {
    struct Case {
        const char* name;
        std::vector<IconEntry> entries;
        int size;
        std::uint8_t red;
    };
    const Case cases[] = {
        {"16 then 32 of 16 colours", {{16, 16, 0, solidImage(16, 1)}, {32, 32, 16, solidImage(32, 2)}}, 32, 2},
        {"32 of 16 colours first", {{32, 32, 16, solidImage(32, 1)}, {16, 16, 0, solidImage(16, 2)}}, 32, 1},
        {"48 then 16", {{48, 48, 0, solidImage(48, 1)}, {16, 16, 0, solidImage(16, 2)}}, 16, 2},
        {"32 of 2 colours is not enough", {{32, 32, 2, solidImage(32, 1)}, {24, 24, 0, solidImage(24, 2)}}, 24, 2},
        {"first of two matches", {{32, 32, 255, solidImage(32, 1)}, {32, 32, 16, solidImage(32, 2)}}, 32, 1},
        {"size from the image, not the entry", {{0, 0, 0, solidImage(20, 3)}}, 20, 3},
    };
    for (const Case& c : cases) {
        for (std::uint16_t type : {1, 2}) {
            const auto picture = decodePicture(makeIconFile(type, c.entries));
            ASSERT_TRUE(picture) << c.name;
            EXPECT_EQ(picture->kind, type == 1 ? PictureKind::Icon : PictureKind::Cursor);
            EXPECT_EQ(picture->width, c.size) << c.name;
            EXPECT_EQ(picture->height, c.size) << c.name;
            EXPECT_EQ(pixelAt(*picture, 0, 0), (Rgb{c.red, 0, 0})) << c.name;
        }
    }
}

TEST(IconDecoder, KeepsTheAndMaskAndEveryDepth) {
    for (std::uint16_t bits : {1, 4, 8, 24, 32}) {
        IconImageLayout layout;
        layout.width = 13;
        layout.height = 7;
        layout.bits = bits;
        if (bits <= 8)
            for (int i = 0; i < (1 << bits); ++i) layout.table.push_back({static_cast<std::uint8_t>(i), 9, static_cast<std::uint8_t>(200 - i / 2)});
        layout.value = [bits](int x, int y) {
            return bits <= 8 ? static_cast<std::uint32_t>(x + 2 * y) % (1u << bits) : static_cast<std::uint32_t>(x * 0x10203 + y * 0x405);
        };
        layout.transparent = [](int x, int y) { return (x + y) % 3 == 0; };
        const auto picture = decodePicture(makeIconFile(1, {{13, 7, 0, makeIconImage(layout)}}));
        ASSERT_TRUE(picture) << bits;
        ASSERT_EQ(picture->width, 13);
        ASSERT_EQ(picture->height, 7);
        ASSERT_EQ(picture->mask.size(), 13u * 7u);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 13; ++x) {
                EXPECT_EQ(picture->transparentAt(y * 13 + x), layout.transparent(x, y)) << bits << " bits at " << x << "," << y;
                const std::uint32_t v = layout.value(x, y);
                const Rgb want = bits <= 8 ? layout.table[v]
                                           : Rgb{static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                                                 static_cast<std::uint8_t>(v)};
                EXPECT_EQ(pixelAt(*picture, x, y), want) << bits << " bits at " << x << "," << y;
            }
    }
}

struct IconRefusal {
    const char* name;
    std::function<void(Bytes&)> patch;
};

TEST(IconDecoder, RefusesImagesItCannotRead) {
    const Bytes good = makeIconFile(1, {{16, 16, 0, solidImage(16, 1)}, {8, 8, 0, solidImage(8, 2)}});
    ASSERT_TRUE(decodePicture(good));
    const std::size_t last = 6 + 16;         // the entry used
    const std::size_t image = 6 + 32 + makeIconImage({16, 16, 24, {}, [](int, int) { return 0u; }, {}}).size();
    const auto set32 = [](Bytes& b, std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    const IconRefusal cases[] = {
        {"directory cut", [](Bytes& b) { b.resize(30); }},
        {"image past the end", [&](Bytes& b) { set32(b, last + 12, static_cast<std::uint32_t>(b.size() - 10)); }},
        {"size past the end", [&](Bytes& b) { set32(b, last + 8, 0xFFFFFFFFu); }},
        {"size too small for the image", [&](Bytes& b) { set32(b, last + 8, 60); }},
        {"mask cut", [&](Bytes& b) {
             b.resize(b.size() - 8);
             set32(b, last + 8, static_cast<std::uint32_t>(b.size() - image));
         }},
        {"PNG entry", [&](Bytes& b) { const char png[] = "\x89PNG\r\n\x1a\n"; std::copy(png, png + 8, b.begin() + image); }},
        {"header size below 40", [&](Bytes& b) { b[image] = 12; }},
        {"16-bit", [&](Bytes& b) { b[image + 14] = 16; }},
        {"compressed", [&](Bytes& b) { b[image + 16] = 1; }},
        {"zero width", [&](Bytes& b) { set32(b, image + 4, 0); }},
        {"negative width", [&](Bytes& b) { set32(b, image + 4, 0xFFFFFFF8u); }},
        {"height of one row", [&](Bytes& b) { set32(b, image + 8, 1); }},
        {"negative height", [&](Bytes& b) { set32(b, image + 8, 0xFFFFFFF0u); }},
        {"huge size", [&](Bytes& b) { set32(b, image + 4, 65535); set32(b, image + 8, 65535); }},
        {"huge colour count", [&](Bytes& b) { set32(b, image + 32, 0x7FFFFFFF); }},
    };
    for (const IconRefusal& c : cases) {
        Bytes file = good;
        c.patch(file);
        EXPECT_FALSE(decodePicture(file)) << c.name;
    }
}

}  // namespace
}  // namespace qv
