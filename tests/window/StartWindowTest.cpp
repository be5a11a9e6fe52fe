// The window as it first appears, and ending the program with Esc.
#include <gtest/gtest.h>

#include "tests/window/EditorSession.h"
#include "tests/window/Pixels.h"
#include "tests/window/WindowLayout.h"

namespace qv::test {
namespace {

using namespace layout;

// The dark pixels of a block, cut to their bounding box: a fingerprint of
// the text drawn there.
std::vector<std::string> darkMask(const Surface& shot, const Box& box) {
    std::vector<std::string> rows;
    for (int y = box.y; y < box.y + box.height; ++y) {
        std::string row;
        for (int x = box.x; x < box.x + box.width; ++x) row += isDark(shot.at(x, y)) ? '#' : '.';
        rows.push_back(row);
    }
    while (!rows.empty() && rows.back().find('#') == std::string::npos) rows.pop_back();
    while (!rows.empty() && rows.front().find('#') == std::string::npos) rows.erase(rows.begin());
    std::size_t left = std::string::npos, right = 0;
    for (const auto& r : rows) {
        const auto first = r.find('#');
        if (first == std::string::npos) continue;
        left = std::min(left, first);
        right = std::max(right, r.rfind('#'));
    }
    for (auto& r : rows) r = r.substr(left, right - left + 1);
    return rows;
}

TEST(StartWindow, ShowsTheTilesetThePlainMapAndEveryCaption) {
    EditorSession session;

    // No window manager runs, so the window's own position is its client
    // area's, centred by its outer size of 1065 x 695.
    const WindowGeometry g = session.geometry();
    EXPECT_EQ(g.width, kStartClientWidth);
    EXPECT_EQ(g.height, kStartClientHeight);
    EXPECT_EQ(g.x, (1920 - 1065) / 2);
    EXPECT_EQ(g.y, (1080 - 695) / 2);

    // Wait for the first full paint: the tileset's top-left pixel in place.
    const Surface& tileset = defaultTileset();
    const Surface shot = session.clientShotWhen(
        [&](const Surface& s) { return s.at(kTilesetArea.x, kTilesetArea.y) == tileset.at(0, 0); });

    const std::uint32_t face = shot.at(520, 100);  // between the tileset and the map
    EXPECT_NE(face, kWhite);

    // The client origin is where the screenshot shows it: 画板1's one-pixel
    // border runs along the client area's top and left edges.
    const std::uint32_t border = shot.at(0, 0);
    EXPECT_NE(border, face);
    for (int i = 0; i < 514; ++i) {
        ASSERT_EQ(shot.at(i, 0), border) << "top border at " << i;
        ASSERT_EQ(shot.at(0, i), border) << "left border at " << i;
        ASSERT_EQ(shot.at(i, 513), border) << "bottom border at " << i;
        ASSERT_EQ(shot.at(513, i), border) << "right border at " << i;
    }

    // The tileset canvas: the tileset's top-left 512 x 512 pixels, exactly.
    EXPECT_EQ(differences(shot, kTilesetArea, crop(tileset, 0, 0, kTilesetSize, kTilesetSize)), "");

    // The map and brush canvases: plain button face.
    EXPECT_EQ(differences(shot, kMapArea, Surface(kMapSize, kMapSize, face)), "");
    EXPECT_EQ(differences(shot, kBrushArea, Surface(32, 32, face)), "");
    EXPECT_EQ(differences(shot, {kMapArea.x - 1, 0}, Surface(514, 1, border)), "") << "the map's border";

    // Captions: black text in every enabled button, every label and each
    // group box's title; the hidden map-size inputs show nothing.
    struct Caption {
        Box box;
        int atLeast;  // dark pixels
    };
    // About a third of what the default font draws, so another hinting or
    // size still passes but an empty or missing caption does not.
    const Caption captions[] = {
        {{"按钮打开A", 136 + 3, 528 + 3, 18, 18}, 9},       {{"按钮A", 136 + 3, 560 + 2, 18, 12}, 9},
        {{"按钮取", 280 + 3, 624 + 3, 34, 19}, 17},         {{"按钮32", 344 + 3, 536 + 3, 42, 26}, 27},
        {{"按钮16", 344 + 3, 616 + 3, 42, 26}, 30},         {{"按钮其他大小", 408 + 3, 616 + 3, 58, 26}, 60},
        {{"按钮新建", 760 + 3, 536 + 3, 34, 19}, 36},       {{"按钮另存为", 904 + 3, 536 + 3, 42, 19}, 38},
        {{"按钮设置分辨率", 760 + 3, 568 + 2, 66, 16}, 75}, {{"标签3", 32, 536, 96, 16}, 115},
        {{"标签4", 32, 552, 96, 24}, 120},                  {{"标签6", 408, 544, 96, 32}, 125},
        {{"标签5", 432, 592, 16, 16}, 2},                   {{"标签1", 960, 536, 72, 24}, 120},
        {{"分组框1", 8, 514, 60, 16}, 40},                  {{"分组框2", 752, 514, 60, 16}, 55},
    };
    for (const Caption& c : captions) {
        const int dark = countPixels(shot, c.box.x, c.box.y, c.box.width, c.box.height, isDark);
        EXPECT_GE(dark, c.atLeast) << c.box.name;
    }
    // 按钮画 starts disabled: its caption is drawn, but greyed, not black.
    EXPECT_EQ(countPixels(shot, 283, 587, 34, 19, isDark), 0) << "按钮画";
    EXPECT_GT(countPixels(shot, 283, 587, 34, 19, [](std::uint32_t p) { return ((p >> 8) & 0xFF) < 200; }), 10)
        << "按钮画";
    for (const Box& hidden : {kMapWidthBox, kMapHeightBox, kApplyMapSize})
        EXPECT_EQ(differences(shot, {hidden.x, hidden.y}, Surface(hidden.width, hidden.height, face)), "")
            << hidden.name;

    // The CJK font is there: two labels of eight different characters each
    // draw different glyphs (a missing font draws the same box for all).
    EXPECT_NE(darkMask(shot, {"标签3", 32, 536, 96, 16}), darkMask(shot, {"标签4", 32, 552, 96, 24}));
}

TEST(StartWindow, EscEndsTheProgramWithExitCodeZero) {
    EditorSession session;
    // The window takes the keyboard focus when it is shown, even with no
    // window manager to give it.
    EXPECT_TRUE(waitUntil([&] { return session.focusedWindow() == session.windowId(); }, 5s));
    session.key("Escape");
    const auto code = session.waitForExit();
    ASSERT_TRUE(code.has_value()) << "still running 10 s after Esc";
    EXPECT_EQ(*code, 0);
}

}  // namespace
}  // namespace qv::test
