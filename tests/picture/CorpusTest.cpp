// The shared test pictures: every file is handled without a crash, and where
// the reading rules decide it, each gives its picture or none. Decoded
// pictures are compared with an independent reader (ImageMagick, run at test
// time) where that reader follows the same rules.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "PictureFixtures.h"
#include "picture/PictureFiles.h"
#include "tools/picture/Ppm.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

struct Expected {
    int width = 0;  // 0: none
    int height = 0;
    bool compare = false;  // the independent reader shows the same pixels
};

constexpr Expected kNone{};
constexpr Expected pic(int w, int h, bool compare = true) { return {w, h, compare}; }

// Every file in the folder, by its path under it.
const std::map<std::string, Expected>& expectations() {
    static const std::map<std::string, Expected> table = {
        // Bad files: header fields nobody reads do not matter; the rest give none.
        {"bmpsuite/b/badbitcount.bmp", kNone},
        {"bmpsuite/b/badbitssize.bmp", pic(127, 64)},
        {"bmpsuite/b/baddens1.bmp", pic(127, 64)},
        {"bmpsuite/b/baddens2.bmp", pic(127, 64)},
        {"bmpsuite/b/badfilesize.bmp", pic(127, 64)},
        {"bmpsuite/b/badheadersize.bmp", pic(127, 64)},
        {"bmpsuite/b/badpalettesize.bmp", kNone},
        {"bmpsuite/b/badplanes.bmp", pic(127, 64)},
        {"bmpsuite/b/badrle.bmp", kNone},
        {"bmpsuite/b/badrle4.bmp", kNone},
        {"bmpsuite/b/badrle4bis.bmp", kNone},
        {"bmpsuite/b/badrle4ter.bmp", kNone},
        {"bmpsuite/b/badrlebis.bmp", kNone},
        {"bmpsuite/b/badrleter.bmp", kNone},
        {"bmpsuite/b/badwidth.bmp", pic(127, 64)},             // negative width: its magnitude
        {"bmpsuite/b/pal8badindex.bmp", pic(127, 64, false)},  // bad indices are black here
        {"bmpsuite/b/reallybig.bmp", kNone},
        {"bmpsuite/b/rgb16-880.bmp", kNone},
        {"bmpsuite/b/rletopdown.bmp", kNone},
        {"bmpsuite/b/shortfile.bmp", kNone},
        // Good files: run-length, 16-bit, bit-field and OS/2 1.x files give none.
        {"bmpsuite/g/pal1.bmp", pic(127, 64)},
        {"bmpsuite/g/pal1bg.bmp", pic(127, 64)},
        {"bmpsuite/g/pal1wb.bmp", pic(127, 64)},
        {"bmpsuite/g/pal4.bmp", pic(127, 64)},
        {"bmpsuite/g/pal4gs.bmp", pic(127, 64)},
        {"bmpsuite/g/pal4rle.bmp", kNone},
        {"bmpsuite/g/pal8-0.bmp", pic(127, 64)},
        {"bmpsuite/g/pal8.bmp", pic(127, 64)},
        {"bmpsuite/g/pal8gs.bmp", pic(127, 64)},
        {"bmpsuite/g/pal8nonsquare.bmp", pic(127, 32)},
        {"bmpsuite/g/pal8os2.bmp", kNone},
        {"bmpsuite/g/pal8rle.bmp", kNone},
        {"bmpsuite/g/pal8topdown.bmp", pic(127, 64)},
        {"bmpsuite/g/pal8v4.bmp", pic(127, 64)},
        {"bmpsuite/g/pal8v5.bmp", pic(127, 64)},
        {"bmpsuite/g/pal8w124.bmp", pic(124, 61)},
        {"bmpsuite/g/pal8w125.bmp", pic(125, 62)},
        {"bmpsuite/g/pal8w126.bmp", pic(126, 63)},
        {"bmpsuite/g/rgb16-565.bmp", kNone},
        {"bmpsuite/g/rgb16-565pal.bmp", kNone},
        {"bmpsuite/g/rgb16.bmp", kNone},
        {"bmpsuite/g/rgb16bfdef.bmp", kNone},
        {"bmpsuite/g/rgb24.bmp", pic(127, 64)},
        {"bmpsuite/g/rgb24pal.bmp", pic(127, 64)},
        {"bmpsuite/g/rgb32.bmp", pic(127, 64)},
        {"bmpsuite/g/rgb32bf.bmp", kNone},
        {"bmpsuite/g/rgb32bfdef.bmp", kNone},
        // Questionable files.
        {"bmpsuite/q/pal1huffmsb.bmp", kNone},
        {"bmpsuite/q/pal1p1.bmp", pic(127, 64)},
        {"bmpsuite/q/pal2.bmp", kNone},
        {"bmpsuite/q/pal2color.bmp", kNone},
        {"bmpsuite/q/pal4rlecut.bmp", kNone},
        {"bmpsuite/q/pal4rletrns.bmp", kNone},
        {"bmpsuite/q/pal8offs.bmp", pic(127, 64)},
        {"bmpsuite/q/pal8os2-hs.bmp", kNone},
        {"bmpsuite/q/pal8os2-sz.bmp", kNone},
        {"bmpsuite/q/pal8os2sp.bmp", kNone},
        {"bmpsuite/q/pal8os2v2-16.bmp", kNone},  // a 16-byte header: the 40-byte reading finds a huge colour count
        {"bmpsuite/q/pal8os2v2-40sz.bmp", pic(127, 64)},
        {"bmpsuite/q/pal8os2v2-sz.bmp", pic(127, 64, false)},
        {"bmpsuite/q/pal8os2v2.bmp", pic(127, 64, false)},
        {"bmpsuite/q/pal8oversizepal.bmp", pic(127, 64, false)},
        {"bmpsuite/q/pal8rlecut.bmp", kNone},
        {"bmpsuite/q/pal8rletrns.bmp", kNone},
        {"bmpsuite/q/rgb16-231.bmp", kNone},
        {"bmpsuite/q/rgb16-3103.bmp", kNone},
        {"bmpsuite/q/rgb16faketrns.bmp", kNone},
        {"bmpsuite/q/rgb24jpeg.bmp", kNone},
        {"bmpsuite/q/rgb24largepal.bmp", pic(127, 64)},
        {"bmpsuite/q/rgb24lprof.bmp", pic(127, 64)},
        {"bmpsuite/q/rgb24png.bmp", kNone},
        {"bmpsuite/q/rgb24prof.bmp", pic(127, 64)},
        {"bmpsuite/q/rgb24prof2.bmp", pic(127, 64)},
        {"bmpsuite/q/rgb24rle24.bmp", kNone},
        {"bmpsuite/q/rgb32-111110.bmp", kNone},
        {"bmpsuite/q/rgb32-7187.bmp", kNone},
        {"bmpsuite/q/rgb32-xbgr.bmp", kNone},
        {"bmpsuite/q/rgb32fakealpha.bmp", pic(127, 64)},
        {"bmpsuite/q/rgb32h52.bmp", kNone},
        {"bmpsuite/q/rgba16-1924.bmp", kNone},
        {"bmpsuite/q/rgba16-4444.bmp", kNone},
        {"bmpsuite/q/rgba16-5551.bmp", kNone},
        {"bmpsuite/q/rgba32-1.bmp", kNone},
        {"bmpsuite/q/rgba32-1010102.bmp", kNone},
        {"bmpsuite/q/rgba32-2.bmp", kNone},
        {"bmpsuite/q/rgba32-61754.bmp", kNone},
        {"bmpsuite/q/rgba32-81284.bmp", kNone},
        {"bmpsuite/q/rgba32abf.bmp", kNone},
        {"bmpsuite/q/rgba32h56.bmp", kNone},
        {"bmpsuite/q/rgba64.bmp", kNone},
        {"bmpsuite/x/ba-bm.bmp", kNone},
        // A mixed selection, some broken on purpose.
        {"pillow/01r_00.pcx", kNone},  // 12 bytes per line cannot hold 88 pixels
        {"pillow/1.bmp", pic(100, 67)},
        {"pillow/app13-multiple.jpg", pic(256, 160)},
        {"pillow/black_and_white.ico", pic(16, 16)},
        {"pillow/chi.gif", pic(320, 240)},
        {"pillow/decompression_bomb.gif", pic(32, 32, false)},  // the screen's size, image cut to it
        {"pillow/decompression_bomb.ico", kNone},                 // more than 2^30 pixels
        {"pillow/deerstalker.cur", pic(32, 32)},
        {"pillow/dispose_bgnd_transparency.gif", pic(38, 32, false)},
        {"pillow/first_frame_transparency.gif", pic(75, 50, false)},
        {"pillow/hopper.bmp", pic(128, 128)},
        {"pillow/hopper.ico", pic(16, 16)},
        {"pillow/hopper.jpg", pic(128, 128)},
        {"pillow/hopper_256x256.ico", pic(256, 256)},
        {"pillow/hopper_draw.ico", kNone},  // a PNG entry
        {"pillow/hopper_gray.jpg", pic(128, 128)},
        {"pillow/hopper_mask.ico", pic(16, 16)},
        {"pillow/hopper_orientation_6.jpg", pic(128, 128)},
        {"pillow/hopper_rle8.bmp", kNone},
        {"pillow/hopper_unexpected.ico", pic(16, 16)},  // the size comes from the image, not the entry
        {"pillow/hopper_zero_comment_subblocks.gif", pic(128, 128)},
        {"pillow/icc-after-SOF.jpg", pic(10, 10)},
        {"pillow/iptc.jpg", pic(640, 480)},
        {"pillow/iss634.gif", pic(245, 245)},
        {"pillow/issue_2811.gif", pic(100, 100)},  // minimum code size 11
        {"pillow/jpeg_ff00_header.jpg", pic(300, 225)},
        {"pillow/junk_jpeg_header.jpg", pic(1024, 768)},
        {"pillow/l2rgb_read.bmp", kNone},
        {"pillow/mask_1.cur", kNone},  // its entry's size (8 bytes) cannot hold an image
        {"pillow/missing_background.gif", pic(32, 32)},
        {"pillow/mmap_error.bmp", kNone},  // bfOffBits 54 with a colour table
        {"pillow/multiple_comments.gif", pic(100, 100)},
        {"pillow/no_cursors.cur", kNone},
        {"pillow/no_palette.gif", pic(1, 1)},
        {"pillow/odd_stride.pcx", pic(371, 150)},
        {"pillow/ossfuzz-4836216264589312.pcx", kNone},
        {"pillow/p_4_planes.pcx", kNone},
        {"pillow/pil184.pcx", kNone},  // 1-bit of version 5 is not a kind read
        {"pillow/pil_sample_cmyk.jpg", pic(100, 100)},
        {"pillow/pil_sample_rgb.jpg", pic(100, 100)},
        {"pillow/pillow.ico", pic(16, 16, false)},  // the last entry; other readers take the largest
        {"pillow/python.ico", pic(48, 48, false)},
        {"pillow/test.colors.gif", pic(807, 606)},
        {"pillow/text_mono.gif", pic(100, 30)},
        {"pillow/transparent.gif", pic(200, 150)},
        {"pillow/truncated_exif_dpi.jpg", pic(480, 640)},
        {"pillow/truncated_jpeg.jpg", pic(100, 100)},
        {"pillow/zero_width.gif", kNone},  // a screen without pixels
    };
    return table;
}

fs::path corpus() { return QV_CORPUS_DIR; }

std::optional<Picture> decodeFile(const std::string& relative) {
    const auto bytes = test::readFile((corpus() / relative).string());
    if (!bytes) return std::nullopt;
    return decodePicture(*bytes);
}

TEST(PictureCorpus, EveryFileGivesItsPictureOrNone) {
    if (!fs::is_directory(corpus())) GTEST_SKIP() << "no test pictures at " << corpus();
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(corpus())) {
        if (!entry.is_regular_file() || entry.path().extension() == ".txt") continue;
        const std::string relative = fs::relative(entry.path(), corpus()).generic_string();
        const auto bytes = test::readFile(entry.path().string());
        ASSERT_TRUE(bytes) << relative;
        const auto picture = decodePicture(*bytes);
        ++files;
        if (picture) {
            EXPECT_NE(picture->kind, PictureKind::Unrecognised) << relative;
            EXPECT_EQ(picture->kind, sniffPictureKind(*bytes)) << relative;
            EXPECT_EQ(picture->rgb.size(), static_cast<std::size_t>(picture->width) * picture->height * 3) << relative;
            const bool iconLike = picture->kind == PictureKind::Icon || picture->kind == PictureKind::Cursor;
            EXPECT_EQ(picture->mask.size(), iconLike ? picture->rgb.size() / 3 : 0u) << relative;
        }
        const auto expected = expectations().find(relative);
        if (expected == expectations().end()) {
            ADD_FAILURE() << relative << " is not in the table of expected results";
            continue;
        }
        if (expected->second.width == 0) {
            EXPECT_FALSE(picture) << relative << " should give none";
        } else {
            ASSERT_TRUE(picture) << relative << " should decode";
            EXPECT_EQ(picture->width, expected->second.width) << relative;
            EXPECT_EQ(picture->height, expected->second.height) << relative;
        }
    }
    EXPECT_GT(files, 0);
}

TEST(PictureCorpus, ColourTablesAfterLongerHeadersGiveThePlainPicture) {
    if (!fs::is_directory(corpus())) GTEST_SKIP() << "no test pictures";
    const auto plain = decodeFile("bmpsuite/g/pal8.bmp");
    ASSERT_TRUE(plain);
    for (const char* same : {"bmpsuite/g/pal8v4.bmp", "bmpsuite/g/pal8v5.bmp", "bmpsuite/g/pal8-0.bmp",
                             "bmpsuite/g/pal8topdown.bmp", "bmpsuite/q/pal8os2v2.bmp", "bmpsuite/q/pal8os2v2-sz.bmp",
                             "bmpsuite/q/pal8os2v2-40sz.bmp", "bmpsuite/q/pal8oversizepal.bmp", "bmpsuite/q/pal8offs.bmp"}) {
        const auto picture = decodeFile(same);
        ASSERT_TRUE(picture) << same;
        EXPECT_EQ(picture->rgb, plain->rgb) << same;
    }
}

TEST(PictureCorpus, CmykJpegLooksLikeItsRgbTwin) {
    if (!fs::is_directory(corpus())) GTEST_SKIP() << "no test pictures";
    const auto cmyk = decodeFile("pillow/pil_sample_cmyk.jpg");
    const auto rgb = decodeFile("pillow/pil_sample_rgb.jpg");
    ASSERT_TRUE(cmyk && rgb);
    ASSERT_EQ(cmyk->rgb.size(), rgb->rgb.size());
    double total = 0;
    for (std::size_t i = 0; i < rgb->rgb.size(); ++i) total += std::abs(int{cmyk->rgb[i]} - int{rgb->rgb[i]});
    EXPECT_LT(total / static_cast<double>(rgb->rgb.size()), 10.0);
}

TEST(PictureCorpus, PixelsMatchAnIndependentReader) {
    const std::string converter = QV_IMAGE_CONVERTER;
    if (!fs::is_directory(corpus())) GTEST_SKIP() << "no test pictures";
    if (converter.empty() || converter.find("NOTFOUND") != std::string::npos) GTEST_SKIP() << "no converter";
    const fs::path scratch = fs::temp_directory_path() / ("qv-picture-corpus-" + std::to_string(::getpid()));
    fs::create_directories(scratch);
    int compared = 0;
    for (const auto& [relative, expected] : expectations()) {
        if (expected.width == 0 || !expected.compare) continue;
        if (!fs::exists(corpus() / relative)) continue;
        const auto picture = decodeFile(relative);
        ASSERT_TRUE(picture) << relative;
        const fs::path out = scratch / "reference.ppm";
        fs::remove(out);
        const std::string command = "'" + converter + "' '" + (corpus() / relative).string() + "[0]' -depth 8 'ppm:" +
                                    out.string() + "' 2>/dev/null";
        if (std::system(command.c_str()) != 0) continue;  // the reader refuses it: nothing to compare
        const auto ppm = test::readFile(out.string());
        ASSERT_TRUE(ppm) << relative;
        const auto reference = readPpm(*ppm);
        ASSERT_TRUE(reference) << relative;
        ASSERT_EQ(reference->width, picture->width) << relative;
        ASSERT_EQ(reference->height, picture->height) << relative;
        // Both readers use the same JPEG library; allow a level for other builds of it.
        const int tolerance = picture->kind == PictureKind::Jpeg ? 2 : 0;
        int worst = 0;
        for (int y = 0; y < picture->height; ++y)
            for (int x = 0; x < picture->width; ++x) {
                const std::uint32_t want = reference->at(x, y);
                const test::Rgb got = test::pixelAt(*picture, x, y);
                worst = std::max({worst, std::abs(int(got[0]) - int((want >> 16) & 0xFF)),
                                  std::abs(int(got[1]) - int((want >> 8) & 0xFF)), std::abs(int(got[2]) - int(want & 0xFF))});
            }
        EXPECT_LE(worst, tolerance) << relative;
        ++compared;
    }
    fs::remove_all(scratch);
    EXPECT_GT(compared, 20);
}

}  // namespace
}  // namespace qv
