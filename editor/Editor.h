#pragma once
// What every handler reaches: the editor's state, its pictures and the
// window's controls.
#include "editor/Controls.h"
#include "editor/EditorState.h"
#include "editor/PictureStore.h"

namespace qv {

struct Editor {
    explicit Editor(Controls& windowControls) : controls(windowControls) {}
    EditorState state;
    PictureStore pictures;
    Controls& controls;
};

}  // namespace qv
