#include <string>

#include "editor/ControlNames.h"
#include "editor/Handlers.h"
#include "editor/Numbers.h"
#include "editor/ToNumber.h"

namespace qv {

std::string unitCaption(std::int32_t width, std::int32_t height) {
    return "当前素材单位：\r\n" + std::to_string(width) + "*" + std::to_string(height);
}

void setTileUnit(Editor& editor, std::int32_t width, std::int32_t height) {
    editor.state.unitWidth = width;
    editor.state.unitHeight = height;
    editor.controls.setCaption(names::标签6, unitCaption(width, height));
}

void onUnit32Clicked(Editor& editor) { setTileUnit(editor, 32, 32); }
void onUnit24Clicked(Editor& editor) { setTileUnit(editor, 24, 24); }
void onUnit16Clicked(Editor& editor) { setTileUnit(editor, 16, 16); }

void onOtherUnitClicked(Editor& editor) {
    const std::string width = editor.controls.text(names::编辑框素材单位x);
    if (width.empty()) return;
    const std::string height = editor.controls.text(names::编辑框素材单位y);
    if (height.empty()) return;
    setTileUnit(editor, truncToInt32(toNumber(width)), truncToInt32(toNumber(height)));
}

}  // namespace qv
