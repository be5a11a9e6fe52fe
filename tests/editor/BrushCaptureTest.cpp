#include "tests/editor/HandlerFixture.h"

namespace qv::test {
namespace {

using BrushCapture = HandlerFixture;

// True when the brush holds the w x h block of the tileset at (left, top).
::testing::AssertionResult brushIsTilesetBlock(const Surface& brush, std::int32_t left, std::int32_t top,
                                               std::int32_t w, std::int32_t h) {
    if (brush.width != w || brush.height != h)
        return ::testing::AssertionFailure() << "brush is " << brush.width << "x" << brush.height;
    for (std::int32_t y = 0; y < h; ++y)
        for (std::int32_t x = 0; x < w; ++x) {
            const std::int32_t tx = left + x, ty = top + y;
            const std::uint32_t expected = (tx < 512 && ty < 512) ? patternPixel(tx, ty) : kWhiteOpaque;
            if (brush.at(x, y) != expected)
                return ::testing::AssertionFailure() << "brush pixel " << x << "," << y << " differs";
        }
    return ::testing::AssertionSuccess();
}

TEST_F(BrushCapture, DragOverCellsCopiesTheirRectangle) {
    dragOnTileset(40, 10, 100, 70);
    EXPECT_EQ(editor.state.tilesetPressCell, (Cell{1, 0}));
    EXPECT_EQ(editor.state.tilesetReleaseCell, (Cell{3, 2}));
    EXPECT_EQ(brush().width(), 96);
    EXPECT_EQ(brush().height(), 96);
    EXPECT_TRUE(brushIsTilesetBlock(brush().pixels(), 32, 0, 96, 96));
    EXPECT_EQ(editor.state.tilesetPressed, 0);

    dragOnTileset(70, 70, 80, 90);  // one cell
    EXPECT_TRUE(brushIsTilesetBlock(brush().pixels(), 64, 64, 32, 32));
}

TEST_F(BrushCapture, BackwardDragsCaptureNothingButClearTheFlag) {
    dragOnTileset(40, 10, 100, 70);
    const Surface before = brush().pixels();
    struct Drag {
        std::int32_t x0, y0, x1, y1;
    };
    for (const Drag d : {Drag{100, 100, 10, 10}, Drag{100, 10, 10, 100}, Drag{10, 100, 100, 10}}) {
        dragOnTileset(d.x0, d.y0, d.x1, d.y1);
        EXPECT_EQ(brush().pixels().pixels, before.pixels);
        EXPECT_EQ(brush().width(), 96);
        EXPECT_EQ(editor.state.tilesetPressed, 0);
    }
    dragOnTileset(0, 0, 40, 0);  // a later drag the right way works
    EXPECT_TRUE(brushIsTilesetBlock(brush().pixels(), 0, 0, 64, 32));
}

TEST_F(BrushCapture, ReleaseElsewhereLeavesTheFlagForALaterRelease) {
    onTilesetPressed(editor, 40, 40, 0);  // released outside every canvas: nothing happens
    EXPECT_EQ(editor.state.tilesetPressed, 1);
    EXPECT_EQ(brush().width(), 32);
    onMapPressed(editor, 0, 0, 0);            // a press on the map...
    onTilesetReleased(editor, 70, 70, 0);     // ...released over the tileset captures from the old press
    EXPECT_TRUE(brushIsTilesetBlock(brush().pixels(), 32, 32, 64, 64));
}

TEST_F(BrushCapture, UnitChangeBetweenPressAndReleaseUsesBoth) {
    onTilesetPressed(editor, 40, 40, 0);  // cell (1, 1) at 32
    setTileUnit(editor, 16, 16);
    onTilesetReleased(editor, 40, 40, 0);  // cell (2, 2) at 16
    EXPECT_EQ(editor.state.tilesetReleaseCell, (Cell{2, 2}));
    EXPECT_TRUE(brushIsTilesetBlock(brush().pixels(), 16, 16, 32, 32));
}

TEST_F(BrushCapture, CellsPastTheTilesetEdgeArriveWhite) {
    setTileUnit(editor, 24, 24);
    dragOnTileset(511, 0, 511, 0);
    EXPECT_EQ(editor.state.tilesetPressCell.column, 21);
    EXPECT_TRUE(brushIsTilesetBlock(brush().pixels(), 504, 0, 24, 24));
}

TEST_F(BrushCapture, UnitsOfZeroAndBelowGiveEmptyBrushesWithoutHarm) {
    setTileUnit(editor, 0, 32);
    dragOnTileset(300, 40, 5, 40);  // every column is 0, so any drag passes
    EXPECT_EQ(brush().width(), 0);
    EXPECT_EQ(brush().height(), 32);
    EXPECT_EQ(brush().pixels().width, 1);

    setTileUnit(editor, -5, 32);
    onTilesetPressed(editor, 7, 0, 0);
    EXPECT_EQ(editor.state.tilesetPressCell.column, -2);
    onTilesetReleased(editor, 2, 0, 0);  // column -1: right of -2, and the width written is negative
    EXPECT_EQ(brush().width(), 0);
}

TEST_F(BrushCapture, PaletteTakesOnlyInTakeMode) {
    onPaletteReleased(editor, 10, 10, 0);  // Draw mode: a release changes nothing
    EXPECT_EQ(editor.state.paletteReleaseCell, (Cell{0, 0}));
    EXPECT_EQ(brush().width(), 32);

    dragOnTileset(0, 0, 40, 0);  // a 64 x 32 brush
    onPalettePressed(editor, 5, 5, 0);  // stamps at (0, 0) of the palette
    setPaletteMode(editor, PaletteMode::Take);
    onPalettePressed(editor, 70, 40, 0);  // Take mode: a press stamps nothing
    EXPECT_EQ(palette().pixels().at(70, 40), kFace);
    EXPECT_EQ(editor.state.palettePressed, 1);
    onPalettePressed(editor, 5, 5, 0);
    onPaletteReleased(editor, 40, 20, 0);
    EXPECT_EQ(editor.state.palettePressed, 0);
    EXPECT_TRUE(brushIsTilesetBlock(brush().pixels(), 0, 0, 64, 32));
}

}  // namespace
}  // namespace qv::test
