#include <gtest/gtest.h>

#include <vector>

#include "editor/Canvas.h"
#include "picture/PictureFiles.h"

namespace {

constexpr std::uint32_t kFace = 0xD4D0C8;  // a button-face grey
constexpr std::uint32_t kFacePixel = qv::kOpaque | kFace;

qv::CanvasSetup mapSetup(std::int32_t outer = 514) {
    return {outer, outer, 1, kFace, qv::PictureMode::TopLeft, true};
}

// A picture whose every pixel tells its own position.
qv::Surface patterned(std::int32_t w, std::int32_t h) {
    qv::Surface s(w, h, 0);
    for (std::int32_t y = 0; y < h; ++y)
        for (std::int32_t x = 0; x < w; ++x)
            s.row(y)[x] = qv::rgbPixel(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                                       static_cast<std::uint8_t>(x / 256 + 16 * (y / 256) + 1));
    return s;
}

qv::Bytes bmpOf(const qv::Surface& s) { return qv::encodeBmp24(s); }

TEST(Canvas, DrawingAreaIsOuterSizeLessBorder) {
    qv::Canvas map(mapSetup());
    EXPECT_EQ(map.width(), 514);
    EXPECT_EQ(map.clientWidth(), 512);
    EXPECT_EQ(map.pixels().width, 512);
    EXPECT_EQ(map.pixels().height, 512);
    EXPECT_EQ(map.pixels().at(511, 511), kFacePixel);

    qv::Canvas brush({32, 32, 0, kFace, qv::PictureMode::Tiled, true});
    EXPECT_EQ(brush.clientWidth(), 32);
    EXPECT_EQ(brush.pixels().width, 32);
}

TEST(Canvas, SizeWritesClampAndKeepAtLeastOnePixelOfSurface) {
    struct SizeCase {
        std::int32_t written;
        std::int32_t outer;
        std::int32_t surface;
    };
    const SizeCase cases[] = {{802, 802, 800}, {2, 2, 1}, {1, 1, 1}, {0, 0, 1}, {-5, 0, 1}, {40000, 32627, 32625}};
    for (const auto& c : cases) {
        qv::Canvas map(mapSetup());
        map.setWidth(c.written);
        EXPECT_EQ(map.width(), c.outer) << c.written;
        EXPECT_EQ(map.pixels().width, c.surface) << c.written;
        EXPECT_EQ(map.pixels().height, 512) << c.written;
    }
}

TEST(Canvas, ResizeKeepsDrawnPixelsAndShowsBackgroundInNewArea) {
    qv::Canvas map(mapSetup());
    map.pixels().row(10)[500] = qv::rgbPixel(1, 2, 3);
    map.setWidth(802);
    map.setHeight(602);
    EXPECT_EQ(map.pixels().at(500, 10), qv::rgbPixel(1, 2, 3));
    EXPECT_EQ(map.pixels().at(700, 10), kFacePixel);
    EXPECT_EQ(map.pixels().at(10, 590), kFacePixel);

    // Cut at the right edge, then enlarged again: the cut pixel is gone.
    map.setWidth(300);
    map.setWidth(802);
    EXPECT_EQ(map.pixels().at(500, 10), kFacePixel);
}

TEST(Canvas, BackgroundPictureReplacesDrawingAndResizeUncoversMoreOfIt) {
    qv::Canvas map(mapSetup());
    map.pixels().row(0)[0] = qv::rgbPixel(9, 9, 9);
    const qv::Surface big = patterned(700, 600);
    map.setBackgroundPicture(bmpOf(big));
    EXPECT_EQ(map.pixels().at(0, 0), big.at(0, 0));  // drawing is gone
    EXPECT_EQ(map.pixels().at(511, 511), big.at(511, 511));

    map.pixels().row(5)[5] = qv::rgbPixel(9, 9, 9);
    map.setWidth(802);
    map.setHeight(802);
    EXPECT_EQ(map.pixels().at(5, 5), qv::rgbPixel(9, 9, 9));      // drawn pixel kept
    EXPECT_EQ(map.pixels().at(650, 100), big.at(650, 100));      // more of the picture
    EXPECT_EQ(map.pixels().at(750, 100), kFacePixel);            // beyond the picture
    EXPECT_EQ(map.pixels().at(100, 650), kFacePixel);
}

TEST(Canvas, SmallerPictureLeavesTheRestInBackgroundColour) {
    qv::Canvas map(mapSetup());
    const qv::Surface small = patterned(100, 50);
    map.setBackgroundPicture(bmpOf(small));
    EXPECT_EQ(map.pixels().at(99, 49), small.at(99, 49));
    EXPECT_EQ(map.pixels().at(100, 49), kFacePixel);
    EXPECT_EQ(map.pixels().at(99, 50), kFacePixel);
}

TEST(Canvas, UndecodableBytesReadBackAsEmptyAndLeaveBackgroundColour) {
    qv::Canvas map(mapSetup());
    map.pixels().row(3)[3] = qv::rgbPixel(9, 9, 9);
    map.setBackgroundPicture(qv::Bytes{'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'});
    EXPECT_TRUE(map.backgroundPicture().empty());
    EXPECT_EQ(map.backgroundPictureDecoded(), nullptr);
    EXPECT_EQ(map.pixels().at(3, 3), kFacePixel);

    map.setBackgroundPicture(bmpOf(patterned(4, 4)));
    EXPECT_FALSE(map.backgroundPicture().empty());
    map.setBackgroundPicture({});
    EXPECT_EQ(map.pixels().at(0, 0), kFacePixel);
}

TEST(Canvas, TiledAndCentredFitPlacement) {
    const qv::Surface tile = patterned(3, 2);
    qv::Canvas tiled({10, 5, 0, kFace, qv::PictureMode::Tiled, true});
    tiled.setBackgroundPicture(bmpOf(tile));
    for (std::int32_t y = 0; y < 5; ++y)
        for (std::int32_t x = 0; x < 10; ++x) EXPECT_EQ(tiled.pixels().at(x, y), tile.at(x % 3, y % 2)) << x << "," << y;

    // A picture that fits is centred at natural size.
    qv::Canvas fit({10, 10, 0, kFace, qv::PictureMode::CentredFit, true});
    fit.setBackgroundPicture(bmpOf(tile));
    EXPECT_EQ(fit.pixels().at(3, 4), tile.at(0, 0));
    EXPECT_EQ(fit.pixels().at(5, 5), tile.at(2, 1));
    EXPECT_EQ(fit.pixels().at(2, 4), kFacePixel);

    // A larger one is shrunk by the smaller ratio and centred: 40 x 10 in a
    // 10 x 10 area becomes 10 x 2 at top 4.
    fit.setBackgroundPicture(bmpOf(patterned(40, 10)));
    EXPECT_EQ(fit.pixels().at(0, 3), kFacePixel);
    EXPECT_NE(fit.pixels().at(0, 4), kFacePixel);
    EXPECT_NE(fit.pixels().at(9, 5), kFacePixel);
    EXPECT_EQ(fit.pixels().at(0, 6), kFacePixel);
}

TEST(Canvas, PaletteLosesItsPixelsWhenRepaintedFromOutside) {
    qv::Canvas palette({258, 66, 1, kFace, qv::PictureMode::Tiled, false});
    palette.pixels().row(1)[1] = qv::rgbPixel(1, 2, 3);
    palette.repaintedFromOutside();
    EXPECT_EQ(palette.pixels().at(1, 1), kFacePixel);

    qv::Canvas map(mapSetup());
    map.pixels().row(1)[1] = qv::rgbPixel(1, 2, 3);
    map.repaintedFromOutside();  // a surface survives repaints
    EXPECT_EQ(map.pixels().at(1, 1), qv::rgbPixel(1, 2, 3));
}

TEST(Canvas, TellsTheViewWhatChanged) {
    qv::Canvas map(mapSetup());
    std::vector<qv::Rect> changes;
    int resized = 0;
    map.onChanged = [&](const qv::Rect& r) { changes.push_back(r); };
    map.onResized = [&] { ++resized; };
    map.setWidth(514);  // same size: nothing happens
    EXPECT_EQ(resized, 0);
    map.setWidth(100);
    EXPECT_EQ(resized, 1);
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), (qv::Rect{0, 0, 98, 512}));
}

}  // namespace

#include <sys/resource.h>

#include "tests/support/ForkedCheck.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

TEST(Canvas, RunningOutOfMemoryKeepsTheMapAndItsSize) {
    if (kAddressSanitizer) GTEST_SKIP() << "the address sanitizer reserves more address space than the limit allows";
    EXPECT_TRUE(qv::test::runInChild([] {
        const rlimit limit{std::size_t{1} << 30, std::size_t{1} << 30};
        if (::setrlimit(RLIMIT_AS, &limit) != 0) return 1;
        qv::Canvas map(mapSetup());
        map.pixels().row(7)[9] = qv::rgbPixel(1, 2, 3);
        map.setWidth(32627);
        map.setHeight(32627);  // 4 GiB of surface: more than the process may have
        if (map.pixels().at(9, 7) != qv::rgbPixel(1, 2, 3)) return 2;
        if (map.height() != 514 || map.pixels().height != 512) return 3;
        if (map.width() != 32627 && map.width() != 514) return 4;
        if (map.pixels().width != map.clientWidth()) return 5;

        map.setBackgroundPicture({});  // a fresh surface still works afterwards
        if (map.pixels().at(9, 7) != kFacePixel) return 6;
        return 0;
    }));
}

}  // namespace
