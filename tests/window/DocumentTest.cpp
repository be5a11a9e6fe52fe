// The map file: Save through the dialog, New, Open, and cancelling.
#include <gtest/gtest.h>

#include "tests/window/EditorSteps.h"
#include "tests/window/WindowLayout.h"

namespace qv::test {
namespace {

using namespace layout;

// The map file of a 512 x 512 map: 54 bytes of header, then 512 rows of
// 1536 bytes, bottom row first.
constexpr std::size_t kMapFileSize = 786486;
const Bytes kMapFileHeader{0x42, 0x4D, 0x36, 0x00, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x36, 0x00, 0x00, 0x00,
                           0x28, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x01, 0x00,
                           0x18, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00,
                           0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

// Waits until the file holds a 512 x 512 map file of `map`; the bytes last
// read.
Bytes waitForMapFile(const std::string& path, const Surface& map) {
    Bytes bytes;
    waitUntil([&] {
        bytes = fileBytes(path);
        return bytes.size() == kMapFileSize && differences(bmpPixels(bytes, kMapSize, kMapSize), {0, 0}, map).empty();
    });
    return bytes;
}

TEST(Documents, SaveNewAndOpenTheMapFile) {
    EditorSession session;
    const std::string path = session.file("map.bmp");
    const Surface start = session.clientShotWhen([](const Surface& s) { return s.at(520, 100) != 0; });
    const std::uint32_t face = start.at(520, 100);
    Surface map(kMapSize, kMapSize, face);

    // Take a brush, stamp it, Save: no path yet, so the save dialog asks.
    const Surface brush = takeTilesetBrush(session, {1, 0}, {3, 2});
    pressMap(session, {{70, 40}});
    stampAtCellOf(map, brush, {70, 40});
    session.click(kSave.centre());
    ASSERT_TRUE(session.answerFileDialog(path)) << "the save dialog";

    Bytes saved = waitForMapFile(path, map);
    ASSERT_EQ(saved.size(), kMapFileSize);
    EXPECT_EQ(Bytes(saved.begin(), saved.begin() + 54), kMapFileHeader);
    EXPECT_EQ(differences(bmpPixels(saved, kMapSize, kMapSize), {0, 0}, map), "") << "the file's pixels";
    // And the screen agrees with the file.
    Surface shot = shotShowing(session, kMapArea, map);
    EXPECT_EQ(differences(shot, kMapArea, bmpPixels(saved, kMapSize, kMapSize)), "") << "the map on screen";

    // Another stamp, then New: the map has a file, so New writes the map
    // into it first, then the map is plain.
    pressMap(session, {{300, 300}});
    stampAtCellOf(map, brush, {300, 300});
    session.click(kNew.centre());
    saved = waitForMapFile(path, map);
    EXPECT_EQ(differences(bmpPixels(saved, kMapSize, kMapSize), {0, 0}, map), "") << "New writes the map first";
    const Surface plain(kMapSize, kMapSize, face);
    shot = shotShowing(session, kMapArea, plain);
    EXPECT_EQ(differences(shot, kMapArea, plain), "") << "the map after New";

    // Open the file: the saved picture again.
    session.click(kOpen.centre());
    ASSERT_TRUE(session.answerFileDialog(path)) << "the open dialog";
    shot = shotShowing(session, kMapArea, map);
    EXPECT_EQ(differences(shot, kMapArea, map), "") << "the map after Open";

    // The opened file is the map's file now: Save writes it without a dialog.
    pressMap(session, {{450, 20}});
    stampAtCellOf(map, brush, {450, 20});
    session.click(kSave.centre());
    saved = waitForMapFile(path, map);
    EXPECT_EQ(differences(bmpPixels(saved, kMapSize, kMapSize), {0, 0}, map), "") << "Save to the opened file";
}

TEST(Documents, EscInTheSaveDialogCancelsOnlyTheDialog) {
    EditorSession session;
    const std::string path = session.file("never.bmp");
    session.click(kSaveAs.centre());
    // The dialog's own Esc: the dialog goes, the editor stays.
    const std::string dialog = session.waitForDialog();
    ASSERT_FALSE(dialog.empty());
    ASSERT_TRUE(waitUntil([&] { return session.focusedWindow() == dialog; }, 5s));
    session.typeText(path);
    session.key("Escape");
    ASSERT_TRUE(session.waitForWindowGone(dialog));
    EXPECT_FALSE(session.waitForExit(std::chrono::milliseconds(500)).has_value()) << "Esc in the dialog ended the editor";
    EXPECT_FALSE(fileExists(path));

    // Save still has no path after the cancelled Save As: it asks again.
    session.click(kSave.centre());
    ASSERT_TRUE(session.answerFileDialog(path));
    EXPECT_TRUE(waitUntil([&] { return fileBytes(path).size() == kMapFileSize; }));

    // The main window's Esc ends the program as before.
    session.focusWindow(session.windowId());
    session.key("Escape");
    const auto code = session.waitForExit();
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0);
}

TEST(Documents, SavingOverAnExistingFileAsksAndNoKeepsTheFile) {
    EditorSession session;
    const std::string path = session.file("keep.bmp");
    const std::string kept = "not to be lost";
    putFile(path, kept);

    session.click(kSaveAs.centre());
    const std::string dialog = session.waitForDialog();
    ASSERT_FALSE(dialog.empty());
    ASSERT_TRUE(waitUntil([&] { return session.focusedWindow() == dialog; }, 5s));
    session.key("ctrl+a");
    session.typeText(path);
    session.key("Return");

    // The question comes over the dialog; Return takes its default, No.
    const std::string question = session.waitForNewWindow({session.windowId(), dialog});
    ASSERT_FALSE(question.empty()) << "no question before replacing the file";
    ASSERT_TRUE(waitUntil([&] { return session.focusedWindow() == question; }, 5s));
    session.key("Return");
    ASSERT_TRUE(session.waitForWindowGone(question));

    // Back in the save dialog, which Esc cancels.
    session.focusWindow(dialog);
    session.key("Escape");
    ASSERT_TRUE(session.waitForWindowGone(dialog));
    EXPECT_EQ(fileBytes(path), Bytes(kept.begin(), kept.end()));
}

}  // namespace
}  // namespace qv::test
