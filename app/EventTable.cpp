#include "app/EventTable.h"

#include "document/DocumentHandlers.h"
#include "editor/ControlNames.h"
#include "editor/Handlers.h"

namespace qv {
namespace {

namespace n = names;
using E = EventKind;
using D = FileDialog;
using I = std::int32_t;

// Each row adapts its handler's own signature to one of the table's two.
const std::array<EventRow, kEventRowCount> kRows{{
    {n::主窗口, E::Created, [](Editor& e, D&) { setEditorDefaults(e.state); }},
    {n::画板1, E::Pressed, nullptr, [](Editor& e, D&, I x, I y, I k) { onTilesetPressed(e, x, y, k); }},
    {n::画板1, E::Released, nullptr, [](Editor& e, D&, I x, I y, I k) { onTilesetReleased(e, x, y, k); }},
    {n::画板2, E::Pressed, nullptr, [](Editor& e, D&, I x, I y, I k) { onMapPressed(e, x, y, k); }},
    {n::画板4, E::Pressed, nullptr, [](Editor& e, D&, I x, I y, I k) { onPalettePressed(e, x, y, k); }},
    {n::画板4, E::Released, nullptr, [](Editor& e, D&, I x, I y, I k) { onPaletteReleased(e, x, y, k); }},
    {n::按钮画, E::Clicked, [](Editor& e, D&) { onDrawModeClicked(e); }},
    {n::按钮取, E::Clicked, [](Editor& e, D&) { onTakeModeClicked(e); }},
    {n::按钮32, E::Clicked, [](Editor& e, D&) { onUnit32Clicked(e); }},
    {n::按钮24, E::Clicked, [](Editor& e, D&) { onUnit24Clicked(e); }},
    {n::按钮16, E::Clicked, [](Editor& e, D&) { onUnit16Clicked(e); }},
    {n::按钮其他大小, E::Clicked, [](Editor& e, D&) { onOtherUnitClicked(e); }},
    {n::按钮新建, E::Clicked, [](Editor& e, D&) { onNewClicked(e); }},
    {n::按钮打开, E::Clicked, [](Editor& e, D& d) { onOpenClicked(e, d); }},
    {n::按钮保存, E::Clicked, [](Editor& e, D& d) { onSaveClicked(e, d); }},
    {n::按钮另存为, E::Clicked, [](Editor& e, D& d) { onSaveAsClicked(e, d); }},
    {n::按钮A, E::Clicked, [](Editor& e, D& d) { chooseSlotPath(e, d, Slot::A); }},
    {n::按钮B, E::Clicked, [](Editor& e, D& d) { chooseSlotPath(e, d, Slot::B); }},
    {n::按钮C, E::Clicked, [](Editor& e, D& d) { chooseSlotPath(e, d, Slot::C); }},
    {n::按钮D, E::Clicked, [](Editor& e, D& d) { chooseSlotPath(e, d, Slot::D); }},
    {n::按钮打开A, E::Clicked, [](Editor& e, D&) { loadSlot(e, Slot::A); }},
    {n::按钮打开B, E::Clicked, [](Editor& e, D&) { loadSlot(e, Slot::B); }},
    {n::按钮打开C, E::Clicked, [](Editor& e, D&) { loadSlot(e, Slot::C); }},
    {n::按钮打开D, E::Clicked, [](Editor& e, D&) { loadSlot(e, Slot::D); }},
    {n::按钮设置分辨率, E::Clicked, [](Editor& e, D&) { onSetMapSizeClicked(e); }},
    {n::按钮确定, E::Clicked, [](Editor& e, D&) { onApplyMapSizeClicked(e); }},
}};

}  // namespace

const std::array<EventRow, kEventRowCount>& eventTable() { return kRows; }

}  // namespace qv
