#pragma once
// The single record of the editor's variables.
#include <cstdint>
#include <string>

#include "editor/Cell.h"
#include "editor/PaletteMode.h"

namespace qv {

using PictureNumber = std::uint32_t;  // 0 = no picture

struct EditorState {
    std::int32_t unitWidth = 0;
    std::int32_t unitHeight = 0;
    PaletteMode paletteMode = PaletteMode::Take;

    Cell tilesetPressCell;
    Cell tilesetReleaseCell;
    std::int32_t tilesetPressed = 0;

    Cell palettePressCell;
    Cell paletteReleaseCell;
    std::int32_t palettePressed = 0;

    Cell mapClickCell;
    PictureNumber brushPicture = 0;

    // Paths are the file system's own bytes; empty means none.
    std::string mapPath;
    std::string slotPathA;
    std::string slotPathB;
    std::string slotPathC;
    std::string slotPathD;
};

// The values the window's created handler sets: a 32 x 32 unit, Draw mode,
// no map path. Nothing else is touched.
void setEditorDefaults(EditorState& state);

// The exit routine's work: every path text is released.
void releasePathTexts(EditorState& state);

}  // namespace qv
