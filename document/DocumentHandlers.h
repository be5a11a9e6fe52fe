#pragma once
// The map document commands, the tileset slots and the map size.
#include <string>

#include "document/FileDialog.h"
#include "editor/Editor.h"

namespace qv {

enum class Slot { A, B, C, D };

// Map commands.
void onNewClicked(Editor& editor);
void onOpenClicked(Editor& editor, FileDialog& dialog);
void saveMap(Editor& editor, FileDialog& dialog);
void onSaveClicked(Editor& editor, FileDialog& dialog);
void onSaveAsClicked(Editor& editor, FileDialog& dialog);

// Tileset slots.
std::string& slotPath(EditorState& state, Slot slot);
void chooseSlotPath(Editor& editor, FileDialog& dialog, Slot slot);
void loadSlot(Editor& editor, Slot slot);

// Map size and window relayout.
void onSetMapSizeClicked(Editor& editor);
void onApplyMapSizeClicked(Editor& editor);

}  // namespace qv
