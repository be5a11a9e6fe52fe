#include "document/DocumentHandlers.h"
#include "document/FileIo.h"
#include "editor/ControlNames.h"
#include "picture/PictureFiles.h"

namespace qv {
namespace {

// The map dialogs list BMP files; the filter is empty whenever no command runs.
constexpr const char* kMapFilter = "图片（*.bmp）|*.bmp";

Canvas& mapCanvas(Editor& editor) { return editor.controls.canvas(names::画板2); }

// Writes the map canvas's surface to the file, encoded a chunk at a time as
// it goes out: a whole large map file beside the surface could fail for lack
// of memory. A surface that cannot be encoded gives no file size, and an
// empty file is never a map: the file is then left alone.
void writeMapFile(Editor& editor, const std::string& path) {
    const Surface& surface = mapCanvas(editor).pixels();
    const std::uint64_t size = bmp24FileSize(surface);
    if (size == 0) return;
    writeFileFrom(path, size, [&surface](std::uint8_t* chunk, std::uint64_t offset, std::uint64_t length) {
        return encodeBmp24Part(surface, offset, length, chunk);
    });
}

}  // namespace

void onNewClicked(Editor& editor) {
    if (!editor.state.mapPath.empty()) writeMapFile(editor, editor.state.mapPath);
    editor.state.mapPath.clear();
    mapCanvas(editor).setBackgroundPicture({});
}

void onOpenClicked(Editor& editor, FileDialog& dialog) {
    dialog.kind = FileDialogKind::OpenFile;
    dialog.filter = kMapFilter;
    if (!dialog.show()) {
        dialog.filter.clear();
        return;
    }
    editor.state.mapPath = dialog.fileName;
    Canvas& map = mapCanvas(editor);
    map.setBackgroundPicture(readFile(editor.state.mapPath));
    // A file that gave no picture is not this map's file: a later Save or New
    // must not replace it with a blank map.
    if (map.backgroundPicture().empty()) editor.state.mapPath.clear();
    dialog.filter.clear();
}

void saveMap(Editor& editor, FileDialog& dialog) {
    if (editor.state.mapPath.empty()) {
        dialog.kind = FileDialogKind::SaveFile;
        dialog.filter = kMapFilter;
        if (!dialog.show()) {
            dialog.filter.clear();
            return;
        }
        editor.state.mapPath = dialog.fileName;
        dialog.filter.clear();
    }
    writeMapFile(editor, editor.state.mapPath);
}

void onSaveClicked(Editor& editor, FileDialog& dialog) { saveMap(editor, dialog); }

void onSaveAsClicked(Editor& editor, FileDialog& dialog) {
    editor.state.mapPath.clear();
    saveMap(editor, dialog);
}

}  // namespace qv
