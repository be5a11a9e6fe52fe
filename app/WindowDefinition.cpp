#include "app/WindowDefinition.h"

#include "editor/ControlNames.h"

namespace qv {
namespace {

using K = ControlKind;
namespace n = names;

constexpr CanvasSettings kTilesetCanvas{1, PictureMode::TopLeft, true, StartPicture::DefaultTileset};
constexpr CanvasSettings kMapCanvas{1, PictureMode::TopLeft, true, StartPicture::None};
constexpr CanvasSettings kBrushCanvas{0, PictureMode::Tiled, true, StartPicture::None};
constexpr CanvasSettings kPaletteCanvas{1, PictureMode::Tiled, false, StartPicture::None};

constexpr LabelSettings kWrapped{LabelAlign::Left, LabelLines::WordWrapped};
constexpr LabelSettings kLineLeft{LabelAlign::Left, LabelLines::OneLine};
constexpr LabelSettings kLineCentred{LabelAlign::Centred, LabelLines::OneLine};

constexpr std::int32_t kUnitBoxBytes = 2;

constexpr MainWindowDefinition kMainWindow{n::主窗口, "Quorvane", 1065, 695};

// name, kind, parent, left, top, width, height, caption, visible, enabled, tab stop, kind settings
const std::array<ControlDefinition, kControlCount> kControls{{
    {n::画板1, K::Canvas, n::主窗口, 0, 0, 514, 514, "", true, true, false, kTilesetCanvas},
    {n::画板2, K::Canvas, n::主窗口, 528, 0, 514, 514, "", true, true, false, kMapCanvas},
    {n::画板3, K::Canvas, n::主窗口, 528, 528, 32, 32, "", true, true, false, kBrushCanvas},
    {n::分组框1, K::GroupBox, n::主窗口, 8, 520, 498, 136, "素材区", true, true, false},
    {n::分组框2, K::GroupBox, n::主窗口, 752, 520, 288, 72, "地图操作", true, true, false},
    {n::通用对话框1, K::FileDialog, n::主窗口, 0, 0, 0, 0, "", false, true, false},

    {n::标签3, K::Label, n::分组框1, 24, 16, 96, 16, "上面打开相应图片", true, true, false, {}, kLineLeft},
    {n::标签4, K::Label, n::分组框1, 24, 32, 96, 24, "下面设置图片地址", true, true, false, {}, kLineLeft},
    {n::按钮打开A, K::Button, n::分组框1, 128, 8, 24, 24, "A", true, true, true},
    {n::按钮打开B, K::Button, n::分组框1, 160, 8, 24, 24, "B", true, true, true},
    {n::按钮打开C, K::Button, n::分组框1, 192, 8, 24, 24, "C", true, true, true},
    {n::按钮打开D, K::Button, n::分组框1, 224, 8, 24, 24, "D", true, true, true},
    {n::按钮A, K::Button, n::分组框1, 128, 40, 24, 16, "A", true, true, true},
    {n::按钮B, K::Button, n::分组框1, 160, 40, 24, 16, "B", true, true, true},
    {n::按钮C, K::Button, n::分组框1, 192, 40, 24, 16, "C", true, true, true},
    {n::按钮D, K::Button, n::分组框1, 224, 40, 24, 16, "D", true, true, true},
    {n::画板4, K::Canvas, n::分组框1, 8, 64, 258, 66, "", true, true, false, kPaletteCanvas},
    {n::按钮画, K::Button, n::分组框1, 272, 64, 40, 25, "画", true, false, true},
    {n::按钮取, K::Button, n::分组框1, 272, 104, 40, 25, "取", true, true, true},
    {n::按钮32, K::Button, n::分组框1, 336, 16, 48, 32, "32*32", true, true, true},
    {n::按钮24, K::Button, n::分组框1, 336, 56, 48, 32, "24*24", true, true, true},
    {n::按钮16, K::Button, n::分组框1, 336, 96, 48, 32, "16*16", true, true, true},
    {n::标签6, K::Label, n::分组框1, 400, 24, 96, 32, "当前素材单位：\r\n32*32", true, true, false, {}, kWrapped},
    {n::编辑框素材单位x, K::EditBox, n::分组框1, 400, 72, 24, 20, "", true, true, true, {}, {}, kUnitBoxBytes},
    {n::标签5, K::Label, n::分组框1, 424, 72, 16, 16, "*", true, true, false, {}, kLineCentred},
    {n::编辑框素材单位y, K::EditBox, n::分组框1, 440, 72, 24, 20, "", true, true, true, {}, {}, kUnitBoxBytes},
    {n::按钮其他大小, K::Button, n::分组框1, 400, 96, 64, 32, "其他单位", true, true, true},

    {n::按钮新建, K::Button, n::分组框2, 8, 16, 40, 25, "新建", true, true, true},
    {n::按钮打开, K::Button, n::分组框2, 56, 16, 40, 25, "打开", true, true, true},
    {n::按钮保存, K::Button, n::分组框2, 104, 16, 40, 25, "保存", true, true, true},
    {n::按钮另存为, K::Button, n::分组框2, 152, 16, 48, 25, "另存为", true, true, true},
    {n::标签1, K::Label, n::分组框2, 208, 16, 72, 24, "多使用保存，防丢失", true, true, false, {}, kWrapped},
    {n::按钮设置分辨率, K::Button, n::分组框2, 8, 48, 72, 20, "设置分辨率", true, true, true},
    {n::编辑框1, K::EditBox, n::分组框2, 88, 48, 40, 20, "", false, true, true},
    {n::标签2, K::Label, n::分组框2, 128, 48, 16, 16, "*", false, true, false, {}, kLineCentred},
    {n::编辑框2, K::EditBox, n::分组框2, 144, 48, 40, 20, "", false, true, true},
    {n::按钮确定, K::Button, n::分组框2, 192, 48, 40, 20, "确定", false, true, true},
}};

}  // namespace

const MainWindowDefinition& mainWindowDefinition() { return kMainWindow; }

const std::array<ControlDefinition, kControlCount>& windowControls() { return kControls; }

}  // namespace qv
