#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "document/FileIo.h"
#include "picture/PictureFiles.h"
#include "tests/document/EditorFixture.h"

namespace qv {
namespace {

using test::fileBytes;
using test::kFacePixel;
using test::makeBmp;
using test::patternPixel;
using test::putFile;
using test::surfaceMatches;

const std::string kMapFilter = "图片（*.bmp）|*.bmp";

class MapCommandsTest : public test::EditorFixture {
protected:
    // The bytes Save should write for the map as it stands now.
    Bytes currentMapFile() { return encodeBmp24(mapCanvas().pixels()); }

    void resizeMap(const std::string& width, const std::string& height) {
        controls.setText(names::编辑框1, width);
        controls.setText(names::编辑框2, height);
        onApplyMapSizeClicked(editor);
    }
};

// New.

TEST_F(MapCommandsTest, NewWithoutAFileDiscardsTheMapAndWritesNothing) {
    resizeMap("600", "530");
    drawOnMap(5, 5);
    drawOnMap(599, 529);

    onNewClicked(editor);

    EXPECT_TRUE(editor.state.mapPath.empty());
    EXPECT_TRUE(folder.names().empty());
    EXPECT_TRUE(dialog.shown().empty());
    // The canvas keeps its enlarged size, all of it plain.
    EXPECT_EQ(mapCanvas().width(), 602);
    EXPECT_TRUE(surfaceMatches(mapCanvas().pixels(), 600, 530, [](auto, auto) { return kFacePixel; }));
}

TEST_F(MapCommandsTest, NewWithAFileFirstReplacesItWithTheMap) {
    const std::string path = folder.file("map.bmp");
    putFile(path, makeBmp(40, 40));
    dialog.willConfirm(path);
    onOpenClicked(editor, dialog);
    drawOnMap(100, 100);
    const Bytes expected = currentMapFile();

    onNewClicked(editor);

    EXPECT_EQ(fileBytes(path), expected);
    EXPECT_TRUE(editor.state.mapPath.empty());
    EXPECT_TRUE(mapCanvas().backgroundPicture().empty());
    EXPECT_TRUE(surfaceMatches(mapCanvas().pixels(), 512, 512, [](auto, auto) { return kFacePixel; }));
    EXPECT_EQ(dialog.shown().size(), 1u);  // only Open's
}

// Open.

TEST_F(MapCommandsTest, OpenShowsTheBmpFilterThenEmptiesIt) {
    const std::string path = folder.file("map.bmp");
    putFile(path, makeBmp(20, 20));
    dialog.kind = FileDialogKind::SaveFile;
    dialog.willConfirm(path);

    onOpenClicked(editor, dialog);

    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_EQ(dialog.shown()[0].kind, FileDialogKind::OpenFile);
    EXPECT_EQ(dialog.shown()[0].filter, kMapFilter);
    EXPECT_TRUE(dialog.filter.empty());
    EXPECT_EQ(editor.state.mapPath, path);
}

TEST_F(MapCommandsTest, OpenCancelledChangesNothing) {
    dialog.fileName = "/earlier/choice.bmp";
    editor.state.mapPath = folder.file("current.bmp");
    drawOnMap(7, 8);
    const Surface before = mapCanvas().pixels();
    dialog.willCancel();

    onOpenClicked(editor, dialog);

    EXPECT_EQ(editor.state.mapPath, folder.file("current.bmp"));
    EXPECT_EQ(dialog.fileName, "/earlier/choice.bmp");
    EXPECT_TRUE(dialog.filter.empty());
    EXPECT_EQ(mapCanvas().pixels().pixels, before.pixels);
}

TEST_F(MapCommandsTest, APictureLargerThanTheMapShowsItsTopLeftAndEnlargingUncoversMore) {
    const std::string path = folder.file("big.bmp");
    putFile(path, makeBmp(700, 650));
    dialog.willConfirm(path);
    drawOnMap(3, 3);

    onOpenClicked(editor, dialog);
    EXPECT_TRUE(surfaceMatches(mapCanvas().pixels(), 512, 512, patternPixel));  // drawn pixel gone too

    // Save writes the drawing area only.
    const std::string saved = folder.file("saved.bmp");
    dialog.willConfirm(saved);
    onSaveAsClicked(editor, dialog);
    EXPECT_EQ(fileBytes(saved), makeBmp(512, 512));

    // The picture is still the background: enlarging shows more of it.
    resizeMap("690", "640");
    EXPECT_TRUE(surfaceMatches(mapCanvas().pixels(), 690, 640, patternPixel));
}

TEST_F(MapCommandsTest, APictureSmallerThanTheMapLeavesTheBackgroundColourWhichIsSavedToo) {
    const std::string path = folder.file("small.bmp");
    putFile(path, makeBmp(100, 50));
    dialog.willConfirm(path);
    onOpenClicked(editor, dialog);

    const auto expected = [](std::int32_t x, std::int32_t y) {
        return x < 100 && y < 50 ? patternPixel(x, y) : kFacePixel;
    };
    EXPECT_TRUE(surfaceMatches(mapCanvas().pixels(), 512, 512, expected));

    onSaveClicked(editor, dialog);  // the opened file is the map's file now
    const auto reread = decodePicture(fileBytes(path));
    ASSERT_TRUE(reread.has_value());
    ASSERT_EQ(reread->width, 512);
    ASSERT_EQ(reread->height, 512);
    EXPECT_EQ(fileBytes(path), encodeBmp24(test::makeSurface(512, 512, expected)));
    EXPECT_EQ(dialog.shown().size(), 1u);
}

struct NoPictureCase {
    const char* name;
    std::function<void(const std::string& path)> make;  // null: no file at all
    friend void PrintTo(const NoPictureCase& c, std::ostream* os) { *os << c.name; }
};

class OpenGivingNoPicture : public MapCommandsTest, public ::testing::WithParamInterface<NoPictureCase> {};

// A file that gave no picture must never be replaced by a blank map.
TEST_P(OpenGivingNoPicture, LeavesAPlainMapWithoutAFileAndTheFileUntouched) {
    const std::string path = folder.file("not-a-map.bmp");
    if (GetParam().make) GetParam().make(path);
    const bool existed = test::fileExists(path);
    const Bytes original = fileBytes(path);
    drawOnMap(9, 9);
    editor.state.mapPath = folder.file("previous.bmp");
    dialog.willConfirm(path);

    onOpenClicked(editor, dialog);

    EXPECT_TRUE(editor.state.mapPath.empty());
    EXPECT_TRUE(dialog.filter.empty());
    EXPECT_TRUE(mapCanvas().backgroundPicture().empty());
    EXPECT_TRUE(surfaceMatches(mapCanvas().pixels(), 512, 512, [](auto, auto) { return kFacePixel; }));

    drawOnMap(20, 20);
    onNewClicked(editor);  // no file: nothing written
    dialog.willCancel();
    onSaveClicked(editor, dialog);  // asks for a name instead of writing there

    ASSERT_EQ(dialog.shown().size(), 2u);
    EXPECT_EQ(dialog.shown()[1].kind, FileDialogKind::SaveFile);
    EXPECT_EQ(test::fileExists(path), existed);
    EXPECT_EQ(fileBytes(path), original);
    EXPECT_FALSE(test::fileExists(folder.file("previous.bmp")));
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenGivingNoPicture,
    ::testing::Values(
        NoPictureCase{"Missing", nullptr},
        NoPictureCase{"Empty", [](const std::string& path) { putFile(path, Bytes{}); }},
        NoPictureCase{"Text", [](const std::string& path) { putFile(path, std::string("level 1 notes\n")); }},
        NoPictureCase{"TruncatedBmp",
                      [](const std::string& path) {
                          Bytes bmp = makeBmp(64, 64);
                          bmp.resize(60);
                          putFile(path, bmp);
                      }},
        NoPictureCase{"Folder", [](const std::string& path) { ASSERT_EQ(::mkdir(path.c_str(), 0755), 0); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Save and Save As.

TEST_F(MapCommandsTest, SaveWithoutAFileAsksForANameThenSavesThereWithoutAsking) {
    const std::string path = folder.file("level.bmp");
    drawOnMap(1, 2);
    dialog.willConfirm(path);

    onSaveClicked(editor, dialog);

    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_EQ(dialog.shown()[0].kind, FileDialogKind::SaveFile);
    EXPECT_EQ(dialog.shown()[0].filter, kMapFilter);
    EXPECT_TRUE(dialog.filter.empty());
    EXPECT_EQ(editor.state.mapPath, path);
    EXPECT_EQ(fileBytes(path), currentMapFile());

    drawOnMap(300, 400);
    onSaveClicked(editor, dialog);
    EXPECT_EQ(dialog.shown().size(), 1u);
    EXPECT_EQ(fileBytes(path), currentMapFile());
    EXPECT_EQ(folder.names(), std::vector<std::string>{"level.bmp"});
}

TEST_F(MapCommandsTest, SaveCancelledWritesNothing) {
    dialog.fileName = "/earlier/choice.bmp";
    dialog.willCancel();
    onSaveClicked(editor, dialog);
    EXPECT_TRUE(editor.state.mapPath.empty());
    EXPECT_EQ(dialog.fileName, "/earlier/choice.bmp");
    EXPECT_TRUE(dialog.filter.empty());
    EXPECT_TRUE(folder.names().empty());
}

TEST_F(MapCommandsTest, SaveAsCancelledForgetsTheFileAndWritesNothing) {
    const std::string path = folder.file("level.bmp");
    const std::string oldContents = "old contents";
    putFile(path, oldContents);
    editor.state.mapPath = path;
    dialog.fileName = path;
    dialog.willCancel();

    onSaveAsClicked(editor, dialog);

    EXPECT_TRUE(editor.state.mapPath.empty());
    EXPECT_EQ(dialog.fileName, path);
    EXPECT_TRUE(dialog.filter.empty());
    EXPECT_EQ(fileBytes(path), Bytes(oldContents.begin(), oldContents.end()));
}

TEST_F(MapCommandsTest, SaveAsWritesTheNewFileAndLeavesTheOldOne) {
    const std::string first = folder.file("first.bmp");
    const std::string second = folder.file("second.bmp");
    dialog.willConfirm(first);
    onSaveClicked(editor, dialog);
    const Bytes firstBytes = fileBytes(first);
    drawOnMap(50, 60);
    dialog.willConfirm(second);

    onSaveAsClicked(editor, dialog);

    ASSERT_EQ(dialog.shown().size(), 2u);
    EXPECT_EQ(dialog.shown()[1].fileName, first);  // starts with the last confirmed name
    EXPECT_EQ(editor.state.mapPath, second);
    EXPECT_EQ(fileBytes(second), currentMapFile());
    EXPECT_EQ(fileBytes(first), firstBytes);
}

TEST_F(MapCommandsTest, TheSavedFileIsTheSurfaceAsA24BitBmp) {
    for (std::int32_t y = 0; y < 512; ++y)
        for (std::int32_t x = 0; x < 512; ++x) drawOnMap(x, y, patternPixel(x, y));
    const std::string path = folder.file("map.bmp");
    dialog.willConfirm(path);
    onSaveClicked(editor, dialog);

    const Bytes file = fileBytes(path);
    ASSERT_EQ(file.size(), 786486u);
    const Bytes header = {0x42, 0x4D, 0x36, 0x00, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x36, 0x00, 0x00, 0x00,
                          0x28, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x01, 0x00,
                          0x18, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00,
                          0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_TRUE(std::equal(header.begin(), header.end(), file.begin()));
    // Rows bottom-up, blue, green, red.
    for (std::int32_t row = 0; row < 512; ++row) {
        const std::int32_t y = 511 - row;
        for (std::int32_t x = 0; x < 512; ++x) {
            const std::size_t at = 54 + static_cast<std::size_t>(row) * 1536 + static_cast<std::size_t>(x) * 3;
            const std::uint32_t pixel = patternPixel(x, y);
            ASSERT_EQ(file[at], pixel & 0xFF) << x << ", " << y;
            ASSERT_EQ(file[at + 1], (pixel >> 8) & 0xFF) << x << ", " << y;
            ASSERT_EQ(file[at + 2], (pixel >> 16) & 0xFF) << x << ", " << y;
        }
    }
}

TEST_F(MapCommandsTest, ALargeMapIsSavedWholeAcrossTheWritersChunks) {
    // 1499 x 1501: rows padded by three bytes, a file of several MiB whose
    // chunk edges fall inside rows and inside pixels.
    resizeMap("1499", "1501");
    Surface& surface = mapCanvas().pixels();
    ASSERT_EQ(surface.width, 1499);
    ASSERT_EQ(surface.height, 1501);
    for (std::int32_t y = 0; y < surface.height; ++y)
        for (std::int32_t x = 0; x < surface.width; ++x) surface.row(y)[x] = patternPixel(x, y);
    const std::string path = folder.file("map.bmp");
    dialog.willConfirm(path);
    onSaveClicked(editor, dialog);
    const Bytes file = fileBytes(path);
    EXPECT_EQ(file.size(), 54u + 4500u * 1501u);
    EXPECT_TRUE(file == currentMapFile());
}

TEST_F(MapCommandsTest, AFailedSaveKeepsTheChosenFile) {
    const std::string maps = folder.file("maps");
    ASSERT_EQ(::mkdir(maps.c_str(), 0755), 0);
    dialog.willConfirm(maps + "/level.bmp");
    ASSERT_EQ(::rmdir(maps.c_str()), 0);  // the folder goes while the dialog is open

    onSaveClicked(editor, dialog);

    EXPECT_EQ(editor.state.mapPath, maps + "/level.bmp");
    EXPECT_TRUE(folder.names().empty());
}

TEST_F(MapCommandsTest, ASnapshotThatFailedNeverEmptiesTheFile) {
    const std::string path = folder.file("level.bmp");
    const Bytes old = makeBmp(30, 30);
    putFile(path, old);
    editor.state.mapPath = path;
    mapCanvas().pixels().pixels.clear();  // a surface the encoder refuses

    onSaveClicked(editor, dialog);
    EXPECT_EQ(fileBytes(path), old);
    onNewClicked(editor);
    EXPECT_EQ(fileBytes(path), old);
    EXPECT_TRUE(dialog.shown().empty());
}

TEST_F(MapCommandsTest, TheNextDialogStartsWithTheSlotFileChosenLast) {
    const std::string tiles = folder.file("tiles.bmp");
    putFile(tiles, makeBmp(10, 10));
    dialog.willConfirm(tiles);
    chooseSlotPath(editor, dialog, Slot::C);
    dialog.willCancel();
    onOpenClicked(editor, dialog);
    dialog.willCancel();
    onSaveClicked(editor, dialog);

    ASSERT_EQ(dialog.shown().size(), 3u);
    EXPECT_EQ(dialog.shown()[1].fileName, tiles);
    EXPECT_EQ(dialog.shown()[2].fileName, tiles);
}

}  // namespace
}  // namespace qv
