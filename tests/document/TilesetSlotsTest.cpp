#include <gtest/gtest.h>

#include "tests/document/EditorFixture.h"

namespace qv {
namespace {

using test::fileBytes;
using test::kFacePixel;
using test::makeBmp;
using test::patternPixel;
using test::putFile;
using test::surfaceMatches;

constexpr Slot kSlots[] = {Slot::A, Slot::B, Slot::C, Slot::D};

class TilesetSlotsTest : public test::EditorFixture {
protected:
    std::string pictureFile(const std::string& name, std::int32_t width, std::int32_t height) {
        const std::string path = folder.file(name);
        putFile(path, makeBmp(width, height));
        return path;
    }
};

TEST_F(TilesetSlotsTest, AChoiceSetsOnlyItsSlotAndLoadsNothing) {
    for (const Slot slot : kSlots) {
        test::FakeControls freshControls;
        Editor fresh{freshControls};
        test::ScriptedFileDialog freshDialog;
        const Surface tilesetBefore = freshControls.canvas(names::画板1).pixels();
        const std::string path = pictureFile("slot.bmp", 8, 8);
        freshDialog.kind = FileDialogKind::SaveFile;
        freshDialog.willConfirm(path);

        chooseSlotPath(fresh, freshDialog, slot);

        ASSERT_EQ(freshDialog.shown().size(), 1u);
        EXPECT_EQ(freshDialog.shown()[0].kind, FileDialogKind::OpenFile);
        for (const Slot other : kSlots)
            EXPECT_EQ(slotPath(fresh.state, other), other == slot ? path : "") << static_cast<int>(slot);
        EXPECT_EQ(freshControls.canvas(names::画板1).pixels().pixels, tilesetBefore.pixels);
    }
}

TEST_F(TilesetSlotsTest, TheChoiceLeavesTheFilterAsItIs) {
    dialog.willConfirm(pictureFile("a.bmp", 4, 4));
    chooseSlotPath(editor, dialog, Slot::A);
    dialog.filter = "Tiles|*.gif";  // no command empties it here, so it shows what the choice did
    dialog.willConfirm(pictureFile("b.bmp", 4, 4));
    chooseSlotPath(editor, dialog, Slot::B);

    ASSERT_EQ(dialog.shown().size(), 2u);
    EXPECT_EQ(dialog.shown()[0].filter, "");
    EXPECT_EQ(dialog.shown()[1].filter, "Tiles|*.gif");
    EXPECT_EQ(dialog.filter, "Tiles|*.gif");
}

TEST_F(TilesetSlotsTest, ACancelledChoiceKeepsThePathAndTheDialogName) {
    const std::string path = pictureFile("a.bmp", 4, 4);
    dialog.willConfirm(path);
    chooseSlotPath(editor, dialog, Slot::B);
    dialog.willCancel();
    chooseSlotPath(editor, dialog, Slot::B);
    EXPECT_EQ(editor.state.slotPathB, path);
    EXPECT_EQ(dialog.fileName, path);
}

TEST_F(TilesetSlotsTest, LoadingShowsTheTopLeftOfALargeTileset) {
    dialog.willConfirm(pictureFile("large.bmp", 800, 600));
    chooseSlotPath(editor, dialog, Slot::D);
    loadSlot(editor, Slot::D);
    EXPECT_TRUE(surfaceMatches(tilesetCanvas().pixels(), 512, 512, patternPixel));
}

TEST_F(TilesetSlotsTest, LoadingASmallTilesetLeavesTheBackgroundColourAround) {
    dialog.willConfirm(pictureFile("small.bmp", 64, 96));
    chooseSlotPath(editor, dialog, Slot::A);
    loadSlot(editor, Slot::A);
    EXPECT_TRUE(surfaceMatches(tilesetCanvas().pixels(), 512, 512, [](std::int32_t x, std::int32_t y) {
        return x < 64 && y < 96 ? patternPixel(x, y) : kFacePixel;
    }));
}

TEST_F(TilesetSlotsTest, LoadingReadsTheFileAnew) {
    const std::string path = pictureFile("tiles.bmp", 32, 32);
    dialog.willConfirm(path);
    chooseSlotPath(editor, dialog, Slot::A);
    loadSlot(editor, Slot::A);
    putFile(path, makeBmp(16, 16, [](auto, auto) { return rgbPixel(1, 2, 3); }));
    loadSlot(editor, Slot::A);
    EXPECT_TRUE(surfaceMatches(tilesetCanvas().pixels(), 512, 512, [](std::int32_t x, std::int32_t y) {
        return x < 16 && y < 16 ? rgbPixel(1, 2, 3) : kFacePixel;
    }));
}

TEST_F(TilesetSlotsTest, LoadingWhatGivesNoPictureBlanksTheTileset) {
    putFile(folder.file("notes.txt"), std::string("not a picture"));
    putFile(folder.file("empty.bmp"), Bytes{});
    editor.state.slotPathB = folder.file("notes.txt");
    editor.state.slotPathC = folder.file("empty.bmp");
    editor.state.slotPathD = folder.file("missing.bmp");
    for (const Slot slot : kSlots) {  // A was never chosen
        tilesetCanvas().setBackgroundPicture(test::testTilesetPicture());
        loadSlot(editor, slot);
        EXPECT_TRUE(tilesetCanvas().backgroundPicture().empty()) << static_cast<int>(slot);
        EXPECT_TRUE(surfaceMatches(tilesetCanvas().pixels(), 512, 512, [](auto, auto) { return kFacePixel; }))
            << static_cast<int>(slot);
    }
    EXPECT_EQ(fileBytes(folder.file("notes.txt")).size(), 13u);
}

}  // namespace
}  // namespace qv
