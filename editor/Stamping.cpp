#include "editor/CanvasOps.h"
#include "editor/ControlNames.h"
#include "editor/Handlers.h"
#include "editor/Numbers.h"

namespace qv {

void stampBrush(Editor& editor, Canvas& target, Cell cell) {
    EditorState& s = editor.state;
    const Canvas& brush = editor.controls.canvas(names::画板3);
    // The brush goes through its file form and back, so a stamp draws exactly
    // what a saved brush would hold.
    const PictureNumber picture = loadPicture(editor.pictures, takePicture(brush));
    s.brushPicture = picture;
    const std::int32_t left = truncToInt32(static_cast<double>(cell.column) * s.unitWidth);
    const std::int32_t top = truncToInt32(static_cast<double>(cell.row) * s.unitHeight);
    drawPicture(target, editor.pictures, picture, left, top, pictureWidth(editor.pictures, picture),
                pictureHeight(editor.pictures, picture), kWhite);
    // Nothing reads a stamp's picture after its draw; keeping each one would
    // grow memory with every click.
    editor.pictures.remove(picture);
}

void onMapPressed(Editor& editor, std::int32_t x, std::int32_t y, std::int32_t) {
    EditorState& s = editor.state;
    s.mapClickCell = {cellOf(x, s.unitWidth), cellOf(y, s.unitHeight)};
    stampBrush(editor, editor.controls.canvas(names::画板2), s.mapClickCell);
}

void setPaletteMode(Editor& editor, PaletteMode mode) {
    editor.state.paletteMode = mode;
    editor.controls.setDisabled(names::按钮画, mode == PaletteMode::Draw);
    editor.controls.setDisabled(names::按钮取, mode == PaletteMode::Take);
}

void onDrawModeClicked(Editor& editor) { setPaletteMode(editor, PaletteMode::Draw); }
void onTakeModeClicked(Editor& editor) { setPaletteMode(editor, PaletteMode::Take); }

}  // namespace qv
