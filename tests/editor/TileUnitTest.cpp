#include "tests/editor/HandlerFixture.h"

namespace qv::test {
namespace {

using TileUnit = HandlerFixture;

TEST_F(TileUnit, PresetsSetTheUnitAndTheCaption) {
    struct Preset {
        void (*click)(Editor&);
        std::int32_t unit;
        const char* caption;
    };
    for (const Preset p : {Preset{onUnit24Clicked, 24, "当前素材单位：\r\n24*24"},
                           Preset{onUnit16Clicked, 16, "当前素材单位：\r\n16*16"},
                           Preset{onUnit32Clicked, 32, "当前素材单位：\r\n32*32"}}) {
        p.click(editor);
        EXPECT_EQ(editor.state.unitWidth, p.unit);
        EXPECT_EQ(editor.state.unitHeight, p.unit);
        EXPECT_EQ(controls.caption(names::标签6), p.caption);
    }
}

TEST_F(TileUnit, OtherUnitReadsBothBoxes) {
    struct Typed {
        const char* x;
        const char* y;
        std::int32_t width, height;
        const char* secondLine;
    };
    const Typed cases[] = {
        {"8", "16", 8, 16, "8*16"},   {"-5", "3", -5, 3, "-5*3"}, {"0", "00", 0, 0, "0*0"},
        {"-", "9", 0, 9, "0*9"},      {"９", "1.", 9, 1, "9*1"},  {"12.9", "5-", 12, 5, "12*5"},
    };
    for (const auto& c : cases) {
        controls.setText(names::编辑框素材单位x, c.x);
        controls.setText(names::编辑框素材单位y, c.y);
        onOtherUnitClicked(editor);
        EXPECT_EQ(editor.state.unitWidth, c.width) << c.x;
        EXPECT_EQ(editor.state.unitHeight, c.height) << c.y;
        EXPECT_EQ(controls.caption(names::标签6), std::string("当前素材单位：\r\n") + c.secondLine);
        EXPECT_EQ(controls.text(names::编辑框素材单位x), c.x);  // the boxes keep their texts
    }
}

TEST_F(TileUnit, OtherUnitWithAnEmptyBoxDoesNothing) {
    onUnit24Clicked(editor);
    for (const auto& [x, y] : {std::pair{"", "8"}, {"8", ""}, {"", ""}}) {
        controls.setText(names::编辑框素材单位x, x);
        controls.setText(names::编辑框素材单位y, y);
        onOtherUnitClicked(editor);
        EXPECT_EQ(editor.state.unitWidth, 24);
        EXPECT_EQ(editor.state.unitHeight, 24);
        EXPECT_EQ(controls.caption(names::标签6), "当前素材单位：\r\n24*24");
    }
}

TEST_F(TileUnit, PresetsLeaveTheBoxesForALaterCustomUnit) {
    controls.setText(names::编辑框素材单位x, "8");
    controls.setText(names::编辑框素材单位y, "4");
    onUnit16Clicked(editor);
    EXPECT_EQ(controls.text(names::编辑框素材单位x), "8");
    onOtherUnitClicked(editor);
    EXPECT_EQ(editor.state.unitWidth, 8);
    EXPECT_EQ(editor.state.unitHeight, 4);
}

TEST_F(TileUnit, ChangingTheUnitRedrawsNothing) {
    dragOnTileset(0, 0, 40, 40);
    const Surface brushBefore = brush().pixels();
    const Surface tilesetBefore = tileset().pixels();
    onUnit16Clicked(editor);
    EXPECT_EQ(brush().pixels().pixels, brushBefore.pixels);
    EXPECT_EQ(tileset().pixels().pixels, tilesetBefore.pixels);
    EXPECT_EQ(brush().width(), 64);
}

}  // namespace
}  // namespace qv::test
