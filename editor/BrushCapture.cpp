#include "editor/CanvasOps.h"
#include "editor/ControlNames.h"
#include "editor/Handlers.h"
#include "editor/Numbers.h"

namespace qv {
namespace {

Cell cellAt(const EditorState& state, std::int32_t x, std::int32_t y) {
    return {cellOf(x, state.unitWidth), cellOf(y, state.unitHeight)};
}

// A release right of and below the press (or in the same cell) takes the
// brush; any other direction takes nothing.
bool spansCells(Cell press, Cell release) { return release.column >= press.column && release.row >= press.row; }

}  // namespace

void captureBrush(Editor& editor, const Canvas& source, Cell press, Cell release) {
    const EditorState& s = editor.state;
    Canvas& brush = editor.controls.canvas(names::画板3);
    // Each write resizes the brush at once, keeping its old pixels top-left;
    // the copy then covers the new surface.
    brush.setWidth(truncToInt32((static_cast<double>(release.column) - press.column + 1) * s.unitWidth));
    brush.setHeight(truncToInt32((static_cast<double>(release.row) - press.row + 1) * s.unitHeight));
    copyRegion(source, truncToInt32(static_cast<double>(press.column) * s.unitWidth),
               truncToInt32(static_cast<double>(press.row) * s.unitHeight), brush.width(), brush.height(), brush);
}

void onTilesetPressed(Editor& editor, std::int32_t x, std::int32_t y, std::int32_t) {
    editor.state.tilesetPressCell = cellAt(editor.state, x, y);
    editor.state.tilesetPressed = 1;
}

void onTilesetReleased(Editor& editor, std::int32_t x, std::int32_t y, std::int32_t) {
    EditorState& s = editor.state;
    s.tilesetReleaseCell = cellAt(s, x, y);
    if (s.tilesetPressed == 1 && spansCells(s.tilesetPressCell, s.tilesetReleaseCell))
        captureBrush(editor, editor.controls.canvas(names::画板1), s.tilesetPressCell, s.tilesetReleaseCell);
    s.tilesetPressed = 0;
}

void onPalettePressed(Editor& editor, std::int32_t x, std::int32_t y, std::int32_t) {
    EditorState& s = editor.state;
    s.palettePressCell = cellAt(s, x, y);
    if (s.paletteMode == PaletteMode::Draw)
        stampBrush(editor, editor.controls.canvas(names::画板4), s.palettePressCell);
    else
        s.palettePressed = 1;
}

void onPaletteReleased(Editor& editor, std::int32_t x, std::int32_t y, std::int32_t) {
    EditorState& s = editor.state;
    if (s.paletteMode == PaletteMode::Draw) return;
    s.paletteReleaseCell = cellAt(s, x, y);
    if (s.palettePressed == 1 && spansCells(s.palettePressCell, s.paletteReleaseCell))
        captureBrush(editor, editor.controls.canvas(names::画板4), s.palettePressCell, s.paletteReleaseCell);
    s.palettePressed = 0;
}

}  // namespace qv
