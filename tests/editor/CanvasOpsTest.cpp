#include <gtest/gtest.h>

#include "editor/CanvasOps.h"
#include "picture/PictureFiles.h"

namespace {

constexpr std::uint32_t kFace = 0xD4D0C8;
constexpr std::uint32_t kFacePixel = qv::kOpaque | kFace;
constexpr std::uint32_t kWhitePixel = qv::kOpaque | qv::kWhite;

std::uint32_t marker(std::int32_t x, std::int32_t y) {
    return qv::rgbPixel(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7);
}

// A 20 x 10 source (22 x 12 outside) whose pixels tell their position.
qv::Canvas markedSource() {
    qv::Canvas c({22, 12, 1, kFace, qv::PictureMode::TopLeft, true});
    for (std::int32_t y = 0; y < 10; ++y)
        for (std::int32_t x = 0; x < 20; ++x) c.pixels().row(y)[x] = marker(x, y);
    return c;
}

struct CopyCase {
    const char* what;
    std::int32_t left, top, width, height;
    bool copies;
};

TEST(CopyRegion, ClipsToTheSourceAndTarget) {
    const CopyCase cases[] = {
        {"inside", 2, 3, 5, 4, true},
        {"zero width", 0, 0, 0, 5, false},
        {"negative height", 0, 0, 5, -1, false},
        {"wholly left", -10, 0, 9, 5, false},
        {"touching left edge", -10, 0, 10, 5, true},
        {"wholly above", 0, -6, 5, 5, false},
        {"right of the area", 21, 0, 5, 5, false},
        {"starting at the right edge", 20, 0, 5, 5, true},
        {"below the area", 0, 11, 5, 5, false},
        {"partly right", 16, 2, 8, 3, true},
        {"partly below and left", -2, 8, 6, 5, true},
    };
    const qv::Canvas source = markedSource();
    for (const auto& c : cases) {
        qv::Canvas target({30, 30, 0, kFace, qv::PictureMode::Tiled, true});
        copyRegion(source, c.left, c.top, c.width, c.height, target);
        bool changed = false;
        for (std::int32_t y = 0; y < 30; ++y)
            for (std::int32_t x = 0; x < 30; ++x) {
                const std::int32_t sx = c.left + x, sy = c.top + y;
                std::uint32_t expected = kFacePixel;
                if (c.copies && x < c.width && y < c.height)
                    expected = (sx >= 0 && sx < 20 && sy >= 0 && sy < 10) ? marker(sx, sy) : kWhitePixel;
                ASSERT_EQ(target.pixels().at(x, y), expected) << c.what << " at " << x << "," << y;
                changed |= target.pixels().at(x, y) != kFacePixel;
            }
        EXPECT_EQ(changed, c.copies) << c.what;
    }
}

TEST(CopyRegion, DropsWhatFallsOutsideTheTarget) {
    const qv::Canvas source = markedSource();
    qv::Canvas target({4, 3, 0, kFace, qv::PictureMode::Tiled, true});
    copyRegion(source, 1, 1, 20, 20, target);
    EXPECT_EQ(target.pixels().at(3, 2), marker(4, 3));
}

qv::Bytes bmpOfRow(std::initializer_list<std::uint32_t> colours) {
    qv::Surface s(static_cast<std::int32_t>(colours.size()), 1, 0);
    std::copy(colours.begin(), colours.end(), s.pixels.begin());
    return qv::encodeBmp24(s);
}

TEST(DrawPicture, LeavesOutExactlyTheTransparentColour) {
    qv::PictureStore store;
    const qv::PictureNumber n =
        loadPicture(store, bmpOfRow({kWhitePixel, qv::rgbPixel(255, 255, 254), qv::rgbPixel(0, 0, 0)}));
    ASSERT_NE(n, 0u);
    qv::Canvas map({514, 514, 1, kFace, qv::PictureMode::TopLeft, true});
    drawPicture(map, store, n, 10, 20, 3, 1, qv::kWhite);
    EXPECT_EQ(map.pixels().at(10, 20), kFacePixel);
    EXPECT_EQ(map.pixels().at(11, 20), qv::rgbPixel(255, 255, 254));
    EXPECT_EQ(map.pixels().at(12, 20), qv::rgbPixel(0, 0, 0));

    // Without a transparent colour white is drawn too.
    drawPicture(map, store, n, 10, 21, 3, 1, std::nullopt);
    EXPECT_EQ(map.pixels().at(10, 21), kWhitePixel);
}

TEST(DrawPicture, ClipsAtEveryEdgeAndIgnoresUnknownNumbers) {
    qv::PictureStore store;
    const qv::PictureNumber n = loadPicture(store, bmpOfRow({qv::rgbPixel(1, 1, 1), qv::rgbPixel(2, 2, 2)}));
    qv::Canvas map({6, 6, 1, kFace, qv::PictureMode::TopLeft, true});
    drawPicture(map, store, n, -1, 0, 2, 1, qv::kWhite);
    drawPicture(map, store, n, 3, 3, 2, 1, qv::kWhite);
    EXPECT_EQ(map.pixels().at(0, 0), qv::rgbPixel(2, 2, 2));
    EXPECT_EQ(map.pixels().at(3, 3), qv::rgbPixel(1, 1, 1));

    const qv::Surface before = map.pixels();
    drawPicture(map, store, 0, 0, 0, 2, 1, qv::kWhite);
    drawPicture(map, store, n + 1, 0, 0, 2, 1, qv::kWhite);
    drawPicture(map, store, n, 100, 100, 2, 1, qv::kWhite);
    EXPECT_EQ(map.pixels().pixels, before.pixels);
}

TEST(DrawPicture, HonoursAnIconMask) {
    qv::PictureStore store;
    qv::Picture icon;
    icon.kind = qv::PictureKind::Icon;
    icon.width = 2;
    icon.height = 1;
    icon.rgb = {10, 20, 30, 40, 50, 60};
    icon.mask = {1, 0};
    const qv::PictureNumber n = store.add(icon);
    qv::Canvas map({4, 3, 1, kFace, qv::PictureMode::TopLeft, true});
    drawPicture(map, store, n, 0, 0, 2, 1, qv::kWhite);
    EXPECT_EQ(map.pixels().at(0, 0), kFacePixel);
    EXPECT_EQ(map.pixels().at(1, 0), qv::rgbPixel(40, 50, 60));
}

TEST(Snapshot, BrushBeforeAnyCaptureReloadsAsBackgroundSquare) {
    qv::PictureStore store;
    const qv::Canvas brush({32, 32, 0, kFace, qv::PictureMode::Tiled, true});
    const qv::PictureNumber n = loadPicture(store, takePicture(brush));
    ASSERT_NE(n, 0u);
    EXPECT_EQ(pictureWidth(store, n), 32);
    EXPECT_EQ(pictureHeight(store, n), 32);
    const qv::Picture& p = *store.find(n);
    for (std::size_t i = 0; i < p.rgb.size(); i += 3) {
        ASSERT_EQ(p.rgb[i], 0xD4);
        ASSERT_EQ(p.rgb[i + 1], 0xD0);
        ASSERT_EQ(p.rgb[i + 2], 0xC8);
    }
}

TEST(Snapshot, RoundTripKeepsEveryPixel) {
    qv::PictureStore store;
    for (const auto [w, h] : {std::pair{1, 1}, {3, 7}, {10, 10}, {33, 5}}) {
        qv::Canvas c({w, h, 0, kFace, qv::PictureMode::Tiled, true});
        for (std::int32_t y = 0; y < h; ++y)
            for (std::int32_t x = 0; x < w; ++x)
                c.pixels().row(y)[x] = qv::rgbPixel(static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 13),
                                                    static_cast<std::uint8_t>(x ^ y));
        const qv::PictureNumber n = loadPicture(store, takePicture(c));
        ASSERT_NE(n, 0u);
        qv::Canvas copy({w, h, 0, kFace, qv::PictureMode::Tiled, true});
        drawPicture(copy, store, n, 0, 0, w, h, std::nullopt);
        EXPECT_EQ(copy.pixels().pixels, c.pixels().pixels) << w << "x" << h;
    }
}

TEST(LoadPicture, GivesZeroForEmptyOrUndecodableBytes) {
    qv::PictureStore store;
    EXPECT_EQ(loadPicture(store, {}), 0u);
    EXPECT_EQ(loadPicture(store, qv::Bytes{'B', 'M', 1, 2, 3}), 0u);
    EXPECT_EQ(pictureWidth(store, 0), 0);
    EXPECT_EQ(pictureHeight(store, 12345), 0);
    EXPECT_EQ(store.size(), 0u);
}

}  // namespace
