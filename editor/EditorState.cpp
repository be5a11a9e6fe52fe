#include "editor/EditorState.h"

namespace qv {

void setEditorDefaults(EditorState& state) {
    state.unitWidth = 32;
    state.unitHeight = 32;
    state.paletteMode = PaletteMode::Draw;
    state.mapPath = std::string();
}

void releasePathTexts(EditorState& state) {
    for (std::string* path : {&state.slotPathA, &state.slotPathB, &state.slotPathC, &state.slotPathD, &state.mapPath})
        std::string().swap(*path);
}

}  // namespace qv
