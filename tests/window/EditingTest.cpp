// Taking brushes and stamping them, on the map and through the palette.
#include <cstdlib>

#include <gtest/gtest.h>

#include "tests/window/ChildProcess.h"
#include "tests/window/EditorSteps.h"
#include "tests/window/WindowLayout.h"
#include "tools/picture/Ppm.h"

namespace qv::test {
namespace {

using namespace layout;

std::uint32_t buttonFace(EditorSession& session) {
    return session.clientShotWhen([](const Surface& s) { return s.at(520, 100) != 0; }).at(520, 100);
}

TEST(Editing, ADragTakesTheCellsAndAPressStampsThemWithoutTheirWhite) {
    EditorSession session;
    const std::uint32_t face = buttonFace(session);

    // The drag from (40, 10) to (100, 70): cells (1, 0) to (3, 2), a 96 x 96
    // brush from (32, 0) of the tileset.
    session.drag(onTileset(40, 10), onTileset(100, 70));
    const Surface brush = crop(defaultTileset(), 32, 0, 96, 96);
    ASSERT_GT(countPixels(brush, 0, 0, 96, 96, [](std::uint32_t p) { return p == kWhite; }), 100)
        << "the brush needs white pixels to show they are left out";
    Surface shot = shotShowing(session, kBrushArea, brush);
    ASSERT_EQ(differences(shot, kBrushArea, brush), "") << "the brush canvas";

    // A drag up and to the left takes nothing: the brush stays.
    session.drag(onTileset(200, 200), onTileset(150, 150));

    // Presses anywhere in a cell stamp at its origin; the last one runs over
    // the map's right and bottom edges and is cut there.
    Surface map(kMapSize, kMapSize, face);
    const std::vector<Point> presses{{70, 40}, {300, 200}, {319, 223}, {500, 500}};
    pressMap(session, presses);
    for (const Point& p : presses) stampAtCellOf(map, brush, p);

    shot = shotShowing(session, kMapArea, map);
    EXPECT_EQ(differences(shot, kMapArea, map), "") << "the map canvas";
    EXPECT_EQ(differences(shot, kBrushArea, brush), "") << "the brush canvas after the backwards drag";
}

TEST(Editing, ABrushTakenBackFromThePaletteIsOpaqueWhereItWasWhite) {
    EditorSession session;
    const std::uint32_t face = buttonFace(session);
    const Surface first = session.clientShot();
    const std::uint32_t paletteBackground = first.at(kPaletteArea.x + 100, kPaletteArea.y + 30);
    ASSERT_EQ(differences(first, kPaletteArea, Surface(kPaletteWidth, kPaletteHeight, paletteBackground)), "");

    // Lay grass under where the palette's brush will go, so that what is
    // left out and what is drawn look different.
    const Surface grass = takeTilesetBrush(session, {0, 0}, {2, 0});
    ASSERT_EQ(countPixels(grass, 0, 0, 96, 32, [](std::uint32_t p) { return p == kWhite; }), 0);
    Surface map(kMapSize, kMapSize, face);
    std::vector<Point> grassPresses;
    for (int row = 9; row < 12; ++row) grassPresses.push_back({288, row * 32});
    pressMap(session, grassPresses);
    for (const Point& p : grassPresses) stampAtCellOf(map, grass, p);

    // In Draw mode (the start mode) a press on the palette stamps the brush
    // there; only its top 64 rows fit.
    const Surface tree = takeTilesetBrush(session, {1, 0}, {3, 2});
    session.click(onPalette(10, 10));
    Surface palette(kPaletteWidth, kPaletteHeight, paletteBackground);
    stamp(palette, tree, 0, 0);
    Surface shot = shotShowing(session, kPaletteArea, palette);
    ASSERT_EQ(differences(shot, kPaletteArea, palette), "") << "the palette after a Draw-mode press";

    // 取 switches to Take mode; a drag over cells (0, 0) to (2, 1) takes
    // them as the brush, white now the palette's background.
    session.click(kTakeMode.centre());
    session.drag(onPalette(5, 5), onPalette(70, 40));
    const Surface taken = crop(palette, 0, 0, 96, 64);
    shot = shotShowing(session, kBrushArea, taken);
    ASSERT_EQ(differences(shot, kBrushArea, taken), "") << "the brush taken from the palette";

    pressMap(session, {{300, 300}});
    stampAtCellOf(map, taken, {300, 300});
    shot = shotShowing(session, kMapArea, map);
    EXPECT_EQ(differences(shot, kMapArea, map), "");
    // Spelled out: where the tree was white the map now shows the palette's
    // background, not the grass beneath.
    int opaqueWhite = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x)
            if (tree.at(x, y) == kWhite && shot.at(kMapArea.x + 288 + x, kMapArea.y + 288 + y) == paletteBackground)
                ++opaqueWhite;
    EXPECT_EQ(opaqueWhite, countPixels(tree, 0, 0, 96, 64, [](std::uint32_t p) { return p == kWhite; }));
    EXPECT_GT(opaqueWhite, 0);
}

// Several brushes over a grass field, as a user builds a map. With
// QV_SCREENSHOT_OUT set to a .png path, the window is also saved there.
TEST(Editing, SeveralBrushesBuildAMap) {
    EditorSession session;
    const std::uint32_t face = buttonFace(session);
    Surface map(kMapSize, kMapSize, face);

    const Surface grass = takeTilesetBrush(session, {0, 0}, {2, 0});
    std::vector<Point> field;
    for (int y = 0; y < kMapSize; y += 32)
        for (int x = 0; x < kMapSize; x += 96) field.push_back({x + 5, y + 5});
    pressMap(session, field);
    for (const Point& p : field) stampAtCellOf(map, grass, p);

    struct Placement {
        CellPoint from, to;
        std::vector<Point> at;
    };
    const Placement placements[] = {
        {{0, 11}, {2, 13}, {{320, 288}}},                               // a pond
        {{0, 8}, {2, 10}, {{64, 64}, {192, 64}}},                       // houses
        {{0, 5}, {1, 6}, {{352, 96}}},                                  // a tent
        {{0, 1}, {1, 2}, {{0, 224}, {64, 256}, {448, 0}, {128, 416}}},  // trees
        {{2, 7}, {2, 7}, {{448, 160}}},                                 // a campfire
        {{5, 7}, {5, 7}, {{96, 192}}},                                  // a well
        {{0, 3}, {0, 3}, {{256, 384}, {288, 416}, {224, 448}}},         // bushes
    };
    for (const Placement& p : placements) {
        const Surface brush = takeTilesetBrush(session, p.from, p.to);
        pressMap(session, p.at);
        for (const Point& at : p.at) stampAtCellOf(map, brush, at);
    }
    const Surface shot = shotShowing(session, kMapArea, map);
    EXPECT_EQ(differences(shot, kMapArea, map), "");

    if (const char* out = std::getenv("QV_SCREENSHOT_OUT")) {
        // Something on the palette too, as in use.
        takeTilesetBrush(session, {8, 3}, {10, 3});
        session.click(onPalette(4, 4));
        takeTilesetBrush(session, {4, 1}, {5, 2});
        const Surface window = session.clientShotWhen([](const Surface&) { return true; });
        Picture picture;
        picture.width = window.width;
        picture.height = window.height;
        for (std::uint32_t p : window.pixels) {
            picture.rgb.push_back(static_cast<std::uint8_t>(p >> 16));
            picture.rgb.push_back(static_cast<std::uint8_t>(p >> 8));
            picture.rgb.push_back(static_cast<std::uint8_t>(p));
        }
        const Bytes ppm = writePpm(picture);
        const CommandResult r = runCommand({"convert", "ppm:-", "-strip", "-define", "png:compression-level=9",
                                            std::string("png:") + out},
                                           environmentWith({}), std::chrono::seconds(30),
                                           std::string(ppm.begin(), ppm.end()));
        EXPECT_EQ(r.exitCode, 0) << r.errors;
    }
}

}  // namespace
}  // namespace qv::test
