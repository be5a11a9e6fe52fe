#include <gtest/gtest.h>

#include <string>

#include "tools/picture/Ppm.h"

namespace qv {
namespace {

Bytes bytesOf(const std::string& s) { return Bytes(s.begin(), s.end()); }

TEST(Ppm, WritesBinaryPpmTopRowFirst) {
    Picture picture;
    picture.kind = PictureKind::Bmp;
    picture.width = 2;
    picture.height = 1;
    picture.rgb = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(writePpm(picture), bytesOf(std::string("P6\n2 1\n255\n") + "\x01\x02\x03\x04\x05\x06"));
    picture.rgb.pop_back();  // fewer bytes than the size says
    EXPECT_TRUE(writePpm(picture).empty());
}

TEST(Ppm, ReadsWhatItWritesAndCommentsAndSmallerMaxvals) {
    Picture picture;
    picture.width = 3;
    picture.height = 2;
    for (int i = 0; i < 18; ++i) picture.rgb.push_back(static_cast<std::uint8_t>(i * 14));
    const auto surface = readPpm(writePpm(picture));
    ASSERT_TRUE(surface);
    EXPECT_EQ(surface->width, 3);
    EXPECT_EQ(surface->height, 2);
    EXPECT_EQ(surface->at(2, 1), rgbPixel(15 * 14, 16 * 14, 17 * 14));

    const auto commented = readPpm(bytesOf(std::string("P6 # made by hand\n1\t# width\n1 15\r") + std::string("\x0F\x05\x00", 3)));
    ASSERT_TRUE(commented);
    EXPECT_EQ(commented->at(0, 0), rgbPixel(255, 85, 0));
}

TEST(Ppm, RefusesWhatItCannotRead) {
    const char* cases[] = {
        "",
        "P3\n1 1\n255\n000",
        "P6\n1 1\n255",                     // no whitespace after maxval
        "P6\n1 1\n255\n\x01\x02",           // samples missing
        "P6\n0 1\n255\n",                   // zero width
        "P6\n1 0\n255\n",                   // zero height
        "P6\n1 1\n0\n\x01\x02\x03",         // maxval 0
        "P6\n1 1\n256\n\x01\x02\x03\x04\x05\x06",  // two-byte samples
        "P6\n-1 1\n255\n\x01\x02\x03",
        "P6\n99999999999999999999999 1\n255\n\x01\x02\x03",
        "P6\n40000 40000\n255\n\x01\x02\x03",  // beyond the pixel limit
        "P6\n4294967296 4294967296\n255\n\x01\x02\x03",
        "P6 # a comment that never ends",
    };
    for (const char* c : cases) EXPECT_FALSE(readPpm(bytesOf(c))) << c;
}

}  // namespace
}  // namespace qv
