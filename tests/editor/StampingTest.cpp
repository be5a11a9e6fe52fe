#include "tests/editor/HandlerFixture.h"

namespace qv::test {
namespace {

class Stamping : public HandlerFixture {
protected:
    // A brush of w x h made of one colour, with white where white(x, y) says.
    void paintBrush(std::int32_t w, std::int32_t h, std::uint32_t colour,
                    bool (*white)(std::int32_t, std::int32_t) = nullptr) {
        brush().setWidth(w);
        brush().setHeight(h);
        for (std::int32_t y = 0; y < h; ++y)
            for (std::int32_t x = 0; x < w; ++x)
                brush().pixels().row(y)[x] = (white && white(x, y)) ? kWhiteOpaque : colour;
    }

    // The top-left and size of the map's pixels that are not background.
    Rect paintedArea() {
        const Surface& s = map().pixels();
        std::int32_t x0 = s.width, y0 = s.height, x1 = -1, y1 = -1;
        for (std::int32_t y = 0; y < s.height; ++y)
            for (std::int32_t x = 0; x < s.width; ++x)
                if (s.at(x, y) != kFace) {
                    x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
                }
        return x1 < 0 ? Rect{} : Rect{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
    }
};

constexpr std::uint32_t kRed = kOpaque | 0xC03020;

TEST_F(Stamping, StampsAtTheOriginOfThePressedCell) {
    struct StampCase {
        std::int32_t unit, x, y;
        Rect expected;
    };
    const StampCase cases[] = {
        {32, 33, 33, {32, 32, 32, 32}},
        {32, 63, 63, {32, 32, 32, 32}},
        {32, 0, 0, {0, 0, 32, 32}},
        {16, 50, 50, {48, 48, 32, 32}},   // the brush keeps its size when the unit shrinks
        {-5, 10, 0, {10, 0, 32, 32}},     // column -2 of a -5 unit begins at x = 10
        {0, 300, 300, {0, 0, 32, 32}},    // a zero unit stamps at the origin
    };
    for (const auto& c : cases) {
        map().setBackgroundPicture({});
        paintBrush(32, 32, kRed);
        setTileUnit(editor, c.unit, c.unit);
        onMapPressed(editor, c.x, c.y, 0);
        EXPECT_EQ(paintedArea(), c.expected) << "unit " << c.unit << " at " << c.x << "," << c.y;
    }
}

TEST_F(Stamping, DefaultBrushStampsBackgroundColourSquare) {
    map().setBackgroundPicture(makeBmp(512, 512));
    onMapPressed(editor, 40, 40, 0);
    for (std::int32_t y = 32; y < 64; ++y)
        for (std::int32_t x = 32; x < 64; ++x) ASSERT_EQ(map().pixels().at(x, y), kFace);
    EXPECT_EQ(map().pixels().at(31, 31), patternPixel(31, 31));
}

TEST_F(Stamping, PureWhiteNeverReachesTheMap) {
    map().setBackgroundPicture(makeBmp(512, 512));
    paintBrush(32, 32, kRed, [](std::int32_t x, std::int32_t) { return x % 2 == 0; });
    brush().pixels().row(0)[1] = kOpaque | 0xFFFFFE;  // near-white is drawn
    onMapPressed(editor, 0, 0, 0);
    EXPECT_EQ(map().pixels().at(0, 0), patternPixel(0, 0));
    EXPECT_EQ(map().pixels().at(1, 0), kOpaque | 0xFFFFFE);
    EXPECT_EQ(map().pixels().at(3, 5), kRed);
    EXPECT_EQ(map().pixels().at(4, 5), patternPixel(4, 5));

    const Surface before = map().pixels();
    paintBrush(32, 32, kRed, [](std::int32_t, std::int32_t) { return true; });
    onMapPressed(editor, 100, 100, 0);
    EXPECT_EQ(map().pixels().pixels, before.pixels);
}

TEST_F(Stamping, BrushPastTheMapEdgeIsCut) {
    paintBrush(64, 64, kRed);
    onMapPressed(editor, 500, 0, 0);
    EXPECT_EQ(paintedArea(), (Rect{480, 0, 32, 64}));
}

TEST_F(Stamping, RepaintsOnlyTheStampedRectangle) {
    paintBrush(64, 32, kRed);
    std::vector<Rect> repaints;
    map().onChanged = [&](const Rect& r) { repaints.push_back(r); };
    onMapPressed(editor, 490, 70, 0);
    ASSERT_EQ(repaints.size(), 1u);
    EXPECT_EQ(repaints[0], (Rect{480, 64, 32, 32}));
}

TEST_F(Stamping, StampPicturesDoNotAccumulate) {
    paintBrush(32, 32, kRed);
    for (int i = 0; i < 50; ++i) onMapPressed(editor, i * 10, 0, 0);
    EXPECT_EQ(editor.pictures.size(), 0u);
    EXPECT_NE(editor.state.brushPicture, 0u);  // the number of the last stamp is kept
}

TEST_F(Stamping, PaletteTakeBackIsNoLongerTransparentWhereItWasWhite) {
    paintBrush(32, 32, kRed, [](std::int32_t x, std::int32_t) { return x < 16; });
    onPalettePressed(editor, 40, 10, 0);  // Draw: stamps at (32, 0)
    setPaletteMode(editor, PaletteMode::Take);
    onPalettePressed(editor, 40, 10, 0);
    onPaletteReleased(editor, 40, 10, 0);
    ASSERT_EQ(brush().width(), 32);
    EXPECT_EQ(brush().pixels().at(0, 0), kFace);   // the palette's background, opaque now
    EXPECT_EQ(brush().pixels().at(20, 0), kRed);

    // Once the palette has been repainted from outside, a take gives its background.
    palette().repaintedFromOutside();
    onPalettePressed(editor, 40, 10, 0);
    onPaletteReleased(editor, 40, 10, 0);
    EXPECT_EQ(brush().pixels().at(20, 0), kFace);
}

TEST_F(Stamping, ModeButtonsShowTheModeByTheirEnabledState) {
    onTakeModeClicked(editor);
    EXPECT_EQ(editor.state.paletteMode, PaletteMode::Take);
    EXPECT_TRUE(controls.disabled(names::按钮取));
    EXPECT_FALSE(controls.disabled(names::按钮画));
    onDrawModeClicked(editor);
    EXPECT_EQ(editor.state.paletteMode, PaletteMode::Draw);
    EXPECT_TRUE(controls.disabled(names::按钮画));
    EXPECT_FALSE(controls.disabled(names::按钮取));

    // A mode that is neither value behaves as Take: a press stamps nothing.
    editor.state.paletteMode = static_cast<PaletteMode>(7);
    paintBrush(32, 32, kRed);
    onPalettePressed(editor, 5, 5, 0);
    EXPECT_EQ(palette().pixels().at(5, 5), kFace);
    EXPECT_EQ(editor.state.palettePressed, 1);
}

}  // namespace
}  // namespace qv::test
