#include "document/DocumentHandlers.h"
#include "editor/ControlNames.h"
#include "editor/Numbers.h"
#include "editor/ToNumber.h"

namespace qv {
namespace {

// Shown and hidden together, always in this order.
constexpr std::string_view kMapSizeInputs[] = {names::编辑框1, names::编辑框2, names::标签2, names::按钮确定};

// Up to the start size of the map canvas (512 and its border) the layout is fixed.
constexpr double kMapThreshold = 514;
constexpr double kMapGroupLeft = 754;
constexpr double kWindowWidth = 1065;
constexpr double kMapGroupTop = 520;
constexpr double kWindowHeight = 695;
constexpr double kBrushCanvasTop = 528;

// The place or size that follows the map: fixed up to the threshold, then
// growing with the map.
std::int32_t following(std::int32_t mapExtent, double fixed) {
    if (mapExtent > kMapThreshold) return truncToInt32(mapExtent + fixed - kMapThreshold);
    return truncToInt32(fixed);
}

}  // namespace

void onSetMapSizeClicked(Editor& editor) {
    for (const std::string_view name : kMapSizeInputs) editor.controls.setVisible(name, true);
}

void onApplyMapSizeClicked(Editor& editor) {
    Controls& controls = editor.controls;
    const std::string widthText = controls.text(names::编辑框1);
    if (widthText.empty()) return;
    const std::string heightText = controls.text(names::编辑框2);
    if (heightText.empty()) return;

    // The 2 is the canvas's border, so the drawing area gets the typed size.
    // Numbers beyond the 32-bit range saturate before the canvas clamps them.
    Canvas& map = controls.canvas(names::画板2);
    map.setWidth(truncToInt32(toNumber(widthText) + 2));
    map.setHeight(truncToInt32(toNumber(heightText) + 2));

    const std::int32_t width = map.width();
    controls.setLeft(names::分组框2, following(width, kMapGroupLeft));
    controls.setWidth(names::主窗口, following(width, kWindowWidth));

    const std::int32_t height = map.height();
    controls.setTop(names::分组框2, following(height, kMapGroupTop));
    controls.setHeight(names::主窗口, following(height, kWindowHeight));
    controls.setTop(names::画板3, following(height, kBrushCanvasTop));

    for (const std::string_view name : kMapSizeInputs) controls.setVisible(name, false);
    controls.setText(names::编辑框1, "");
    controls.setText(names::编辑框2, "");
}

}  // namespace qv
