#pragma once
// Where the editor's controls stand in the main window's client area at
// start, and the drawing-area origins of its canvases (inside the one-pixel
// borders).
#include "tests/window/EditorSession.h"

namespace qv::test::layout {

inline constexpr int kStartClientWidth = 1049;
inline constexpr int kStartClientHeight = 656;

// Drawing-area origins.
inline constexpr Point kTilesetArea{1, 1};
inline constexpr Point kMapArea{529, 1};
inline constexpr Point kPaletteArea{17, 585};
inline constexpr Point kBrushArea{528, 528};  // no border

inline constexpr int kTilesetSize = 512;
inline constexpr int kMapSize = 512;
inline constexpr int kPaletteWidth = 256;
inline constexpr int kPaletteHeight = 64;

struct Box {
    const char* name;
    int x, y, width, height;
    Point centre() const { return {x + width / 2, y + height / 2}; }
};

inline constexpr Box kLoadSlotA{"按钮打开A", 136, 528, 24, 24};
inline constexpr Box kChooseSlotA{"按钮A", 136, 560, 24, 16};
inline constexpr Box kDrawMode{"按钮画", 280, 584, 40, 25};
inline constexpr Box kTakeMode{"按钮取", 280, 624, 40, 25};
inline constexpr Box kNew{"按钮新建", 760, 536, 40, 25};
inline constexpr Box kOpen{"按钮打开", 808, 536, 40, 25};
inline constexpr Box kSave{"按钮保存", 856, 536, 40, 25};
inline constexpr Box kSaveAs{"按钮另存为", 904, 536, 48, 25};
inline constexpr Box kSetMapSize{"按钮设置分辨率", 760, 568, 72, 20};
inline constexpr Box kMapWidthBox{"编辑框1", 840, 568, 40, 20};
inline constexpr Box kMapHeightBox{"编辑框2", 896, 568, 40, 20};
inline constexpr Box kApplyMapSize{"按钮确定", 944, 568, 40, 20};

// A point of a canvas's drawing area in client coordinates.
inline Point onTileset(int x, int y) { return kTilesetArea + Point{x, y}; }
inline Point onMap(int x, int y) { return kMapArea + Point{x, y}; }
inline Point onPalette(int x, int y) { return kPaletteArea + Point{x, y}; }

}  // namespace qv::test::layout
