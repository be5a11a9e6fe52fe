#include "document/DocumentHandlers.h"
#include "document/FileIo.h"
#include "editor/ControlNames.h"

namespace qv {
std::string& slotPath(EditorState& state, Slot slot) {
    switch (slot) {
        case Slot::A: return state.slotPathA;
        case Slot::B: return state.slotPathB;
        case Slot::C: return state.slotPathC;
        case Slot::D: return state.slotPathD;
    }
    return state.slotPathA;
}

void chooseSlotPath(Editor& editor, FileDialog& dialog, Slot slot) {
    // The filter stays as the map commands left it, empty: every file is listed.
    dialog.kind = FileDialogKind::OpenFile;
    if (!dialog.show()) return;
    slotPath(editor.state, slot) = dialog.fileName;
}

void loadSlot(Editor& editor, Slot slot) {
    // Read anew on every load, so a file changed on disk loads in its new state.
    editor.controls.canvas(names::画板1).setBackgroundPicture(readFile(slotPath(editor.state, slot)));
}

}  // namespace qv
