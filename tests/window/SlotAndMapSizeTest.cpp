// Tileset slots and the map size, through the real window.
#include <gtest/gtest.h>

#include "picture/PictureFiles.h"
#include "tests/window/EditorSteps.h"
#include "tests/window/WindowLayout.h"

namespace qv::test {
namespace {

using namespace layout;

TEST(Slots, AChosenPictureLoadsIntoTheTilesetCanvas) {
    EditorSession session;
    const Surface start = session.clientShotWhen(
        [](const Surface& s) { return s.at(kTilesetArea.x, kTilesetArea.y) == defaultTileset().at(0, 0); });
    const std::uint32_t face = start.at(520, 100);

    // A small picture of the test's own, no pixel of it white or face-coloured.
    Surface picture(40, 30, 0);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) picture.row(y)[x] = rgbPixel(static_cast<std::uint8_t>(x * 6), static_cast<std::uint8_t>(y * 8), 90);
    const std::string path = session.file("tiles.bmp");
    putFile(path, encodeBmp24(picture));

    // The lower A chooses the slot's file; that loads nothing yet.
    session.click(kChooseSlotA.centre());
    ASSERT_TRUE(session.answerFileDialog(path)) << "the slot's open dialog";
    const Surface& tileset = defaultTileset();
    EXPECT_EQ(differences(session.clientShot(), kTilesetArea, crop(tileset, 0, 0, kTilesetSize, kTilesetSize)), "")
        << "choosing a slot's file changed the tileset canvas";

    // The upper A loads it: the picture at the top left, button face beyond.
    session.click(kLoadSlotA.centre());
    Surface expected(kTilesetSize, kTilesetSize, face);
    stamp(expected, picture, 0, 0);
    const Surface shot = shotShowing(session, kTilesetArea, expected);
    EXPECT_EQ(differences(shot, kTilesetArea, expected), "");

    // Brushes now come from the loaded picture.
    session.drag(onTileset(5, 5), onTileset(40, 20));
    const Surface brush = crop(expected, 0, 0, 64, 32);
    EXPECT_EQ(differences(shotShowing(session, kBrushArea, brush), kBrushArea, brush), "");
}

TEST(MapSize, EightHundredBySixHundredGrowsTheWindowAndSavesAsThatSize) {
    EditorSession session;
    const Surface start = session.clientShotWhen([](const Surface& s) { return s.at(520, 100) != 0; });
    const std::uint32_t face = start.at(520, 100);
    const std::uint32_t border = start.at(0, 0);

    const Surface brush = takeTilesetBrush(session, {1, 0}, {3, 2});
    pressMap(session, {{70, 40}});

    session.click(kSetMapSize.centre());
    session.click(kMapWidthBox.centre());
    session.typeText("800");
    session.click(kMapHeightBox.centre());
    session.typeText("600");
    session.click(kApplyMapSize.centre());

    // Outer 1353 x 783 by the frame rule: a client area of 1337 x 744.
    WindowGeometry g;
    EXPECT_TRUE(waitUntil([&] {
        g = session.geometry();
        return g.width == 1337 && g.height == 744;
    })) << "client " << g.width << " x " << g.height;

    // The map keeps its stamp and is plain beyond it; its border has moved
    // out to the new size.
    Surface map(800, 600, face);
    stampAtCellOf(map, brush, {70, 40});
    Surface shot = shotShowing(session, kMapArea, map);
    EXPECT_EQ(differences(shot, kMapArea, map), "") << "the 800 x 600 map";
    EXPECT_EQ(differences(shot, {kMapArea.x + 800, 0}, Surface(1, 602, border)), "") << "the map's right border";
    EXPECT_EQ(differences(shot, {kMapArea.x - 1, 601}, Surface(802, 1, border)), "") << "the map's bottom border";
    // The brush canvas moved down with the map: top 528 + (602 - 514).
    EXPECT_EQ(differences(shot, {528, 616}, brush), "") << "the brush canvas at its new place";

    // The screen shows the window out to its new size and nothing beyond.
    const Surface screen = session.screenshot();
    EXPECT_EQ(screen.at(g.x + 1336, g.y + 743), face);
    EXPECT_NE(screen.at(g.x + 1337, g.y + 743), face);
    EXPECT_NE(screen.at(g.x + 1336, g.y + 744), face);

    // 另存为 moved with its group box by (1042 - 752, 608 - 520).
    const std::string path = session.file("large.bmp");
    session.click(kSaveAs.centre() + Point{1042 - 752, 608 - 520});
    ASSERT_TRUE(session.answerFileDialog(path)) << "the save dialog";
    const std::size_t size = 54 + 2400 * 600;
    Bytes saved;
    ASSERT_TRUE(waitUntil([&] {
        saved = fileBytes(path);
        return saved.size() == size;
    })) << "the file has " << saved.size() << " bytes";
    EXPECT_EQ(Bytes(saved.begin(), saved.begin() + 54), bmpHeader(800, 600));
    EXPECT_EQ(differences(bmpPixels(saved, 800, 600), {0, 0}, map), "") << "the file's pixels";
}

}  // namespace
}  // namespace qv::test
