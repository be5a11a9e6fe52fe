#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>

#include <jpeglib.h>

#include "PictureFixtures.h"
#include "picture/PictureFiles.h"

namespace qv {
namespace {

using test::pixelAt;
using test::Rgb;

// Compresses samples made by sample(x, y, component) with libjpeg.
Bytes compressJpeg(int w, int h, int components, J_COLOR_SPACE space, bool progressive,
                   const std::function<std::uint8_t(int, int, int)>& sample) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = static_cast<JDIMENSION>(w);
    cinfo.image_height = static_cast<JDIMENSION>(h);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 98, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(w * components));
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = static_cast<int>(cinfo.next_scanline);
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < components; ++c) row[static_cast<std::size_t>(x * components + c)] = sample(x, y, c);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes bytes(out, out + size);
    std::free(out);
    return bytes;
}

// Smooth colours, so that the quality-98 round trip stays within a few levels.
std::uint8_t smooth(int x, int y, int c) { return static_cast<std::uint8_t>(40 + x * 3 + y * 2 + c * 30); }

void expectNear(const Picture& p, int x, int y, Rgb want, int tolerance) {
    const Rgb got = pixelAt(p, x, y);
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(got[c], want[c], tolerance) << "component " << c << " at " << x << "," << y;
}

TEST(JpegDecoder, ColourPicturesComeOutAsRedGreenBlue) {
    for (bool progressive : {false, true}) {
        const Bytes file = compressJpeg(37, 21, 3, JCS_RGB, progressive, smooth);
        testing::internal::CaptureStderr();
        const auto picture = decodePicture(file);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->kind, PictureKind::Jpeg);
        EXPECT_EQ(picture->width, 37);
        EXPECT_EQ(picture->height, 21);
        EXPECT_TRUE(picture->mask.empty());
        for (int y = 0; y < 21; y += 5)
            for (int x = 0; x < 37; x += 6) expectNear(*picture, x, y, {smooth(x, y, 0), smooth(x, y, 1), smooth(x, y, 2)}, 6);
    }
}

TEST(JpegDecoder, GreyPicturesHaveEqualRedGreenAndBlue) {
    const auto grey = [](int x, int y, int) { return static_cast<std::uint8_t>((x * 9 + y * 5) % 256); };
    const Bytes file = compressJpeg(40, 30, 1, JCS_GRAYSCALE, false, grey);
    const auto picture = decodePicture(file);
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->width, 40);
    ASSERT_EQ(picture->height, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const Rgb p = pixelAt(*picture, x, y);
            ASSERT_EQ(p[0], p[1]) << x << "," << y;
            ASSERT_EQ(p[1], p[2]) << x << "," << y;
        }
    EXPECT_NEAR(pixelAt(*picture, 10, 10)[0], grey(10, 10, 0), 8);
}

TEST(JpegDecoder, AdobeCmykIsConvertedToRedGreenBlue) {
    // Adobe CMYK is stored inverted: with K at 255 (no black ink) C, M, Y hold
    // red, green and blue themselves.
    const auto cmyk = [](int x, int y, int c) { return c == 3 ? std::uint8_t{255} : smooth(x, y, c); };
    const Bytes file = compressJpeg(24, 16, 4, JCS_CMYK, false, cmyk);
    const auto picture = decodePicture(file);
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->width, 24);
    for (int y = 0; y < 16; y += 5)
        for (int x = 0; x < 24; x += 5) expectNear(*picture, x, y, {smooth(x, y, 0), smooth(x, y, 1), smooth(x, y, 2)}, 6);
}

TEST(JpegDecoder, TruncatedDataStillGivesThePictureSilently) {
    const Bytes whole = compressJpeg(64, 64, 3, JCS_RGB, false, smooth);
    for (std::size_t keep : {whole.size() - 2, whole.size() / 2, std::size_t{700}}) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(keep));
        testing::internal::CaptureStderr();
        const auto picture = decodePicture(cut);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << keep;
        ASSERT_TRUE(picture) << keep;
        EXPECT_EQ(picture->width, 64);
        EXPECT_EQ(picture->height, 64);
        expectNear(*picture, 0, 0, {smooth(0, 0, 0), smooth(0, 0, 1), smooth(0, 0, 2)}, 6);
    }
}

TEST(JpegDecoder, FatalErrorsGiveNoneSilently) {
    const Bytes whole = compressJpeg(16, 16, 3, JCS_RGB, true, smooth);
    std::mt19937 random(3);
    std::vector<Bytes> broken = {
        {0xFF, 0xD8, 0xFF, 0xD9, 0, 0},               // SOI then EOI: no image
        Bytes(whole.begin(), whole.begin() + 20),     // ends inside the headers
    };
    Bytes garbage = {0xFF, 0xD8};
    for (int i = 0; i < 500; ++i) garbage.push_back(static_cast<std::uint8_t>(random()));
    broken.push_back(garbage);
    for (std::size_t i = 0; i < broken.size(); ++i) {
        testing::internal::CaptureStderr();
        testing::internal::CaptureStdout();
        EXPECT_FALSE(decodePicture(broken[i])) << i;
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << i;
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << i;
    }
}

TEST(JpegDecoder, FlippedBytesNeverFail) {
    const Bytes whole = compressJpeg(33, 17, 3, JCS_RGB, true, smooth);
    std::mt19937 random(99);
    testing::internal::CaptureStderr();
    for (int round = 0; round < 300; ++round) {
        Bytes file = whole;
        for (int i = 0; i < 4; ++i) file[2 + random() % (file.size() - 2)] = static_cast<std::uint8_t>(random());
        const auto picture = decodePicture(file);
        if (picture) {
            ASSERT_EQ(picture->rgb.size(), static_cast<std::size_t>(picture->width) * picture->height * 3);
        }
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace qv
