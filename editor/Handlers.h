#pragma once
// The editor's event handlers. Mouse handlers take the position in the
// canvas's client pixels and the key state, which they ignore.
#include <cstdint>
#include <string>

#include "editor/Editor.h"

namespace qv {

// Brush capture.
void captureBrush(Editor& editor, const Canvas& source, Cell press, Cell release);
void onTilesetPressed(Editor& editor, std::int32_t x, std::int32_t y, std::int32_t keys);
void onTilesetReleased(Editor& editor, std::int32_t x, std::int32_t y, std::int32_t keys);
void onPalettePressed(Editor& editor, std::int32_t x, std::int32_t y, std::int32_t keys);
void onPaletteReleased(Editor& editor, std::int32_t x, std::int32_t y, std::int32_t keys);

// Stamping and palette modes.
void stampBrush(Editor& editor, Canvas& target, Cell cell);
void onMapPressed(Editor& editor, std::int32_t x, std::int32_t y, std::int32_t keys);
void setPaletteMode(Editor& editor, PaletteMode mode);
void onDrawModeClicked(Editor& editor);
void onTakeModeClicked(Editor& editor);

// Tile unit.
void setTileUnit(Editor& editor, std::int32_t width, std::int32_t height);
void onUnit32Clicked(Editor& editor);
void onUnit24Clicked(Editor& editor);
void onUnit16Clicked(Editor& editor);
void onOtherUnitClicked(Editor& editor);
std::string unitCaption(std::int32_t width, std::int32_t height);

}  // namespace qv
