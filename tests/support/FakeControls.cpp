#include "tests/support/FakeControls.h"

#include <stdexcept>

#include "editor/ControlNames.h"
#include "editor/Numbers.h"
#include "tests/support/TestPictures.h"

namespace qv::test {
namespace {

std::unique_ptr<Canvas> makeCanvas(std::int32_t width, std::int32_t height, std::int32_t border, PictureMode mode,
                                   bool autoRedraw) {
    CanvasSetup setup;
    setup.outerWidth = width;
    setup.outerHeight = height;
    setup.border = border;
    setup.backgroundColour = kButtonFace;
    setup.pictureMode = mode;
    setup.autoRedraw = autoRedraw;
    return std::make_unique<Canvas>(setup);
}

}  // namespace

FakeControls::FakeControls() {
    using namespace names;
    add(主窗口, "", (kScreenWidth - 1065) / 2, (kScreenHeight - 695) / 2, 1065, 695, "Quorvane");

    add(画板1, "", 0, 0, 514, 514);
    add(画板2, "", 528, 0, 514, 514);
    add(画板3, "", 528, 528, 32, 32);
    add(分组框1, "", 8, 520, 498, 136, "素材区");
    add(分组框2, "", 752, 520, 288, 72, "地图操作");

    add(标签3, 分组框1, 24, 16, 96, 16, "上面打开相应图片");
    add(标签4, 分组框1, 24, 32, 96, 24, "下面设置图片地址");
    add(按钮打开A, 分组框1, 128, 8, 24, 24, "A");
    add(按钮打开B, 分组框1, 160, 8, 24, 24, "B");
    add(按钮打开C, 分组框1, 192, 8, 24, 24, "C");
    add(按钮打开D, 分组框1, 224, 8, 24, 24, "D");
    add(按钮A, 分组框1, 128, 40, 24, 16, "A");
    add(按钮B, 分组框1, 160, 40, 24, 16, "B");
    add(按钮C, 分组框1, 192, 40, 24, 16, "C");
    add(按钮D, 分组框1, 224, 40, 24, 16, "D");
    add(画板4, 分组框1, 8, 64, 258, 66);
    add(按钮画, 分组框1, 272, 64, 40, 25, "画", true, /*disabled=*/true);
    add(按钮取, 分组框1, 272, 104, 40, 25, "取");
    add(按钮32, 分组框1, 336, 16, 48, 32, "32*32");
    add(按钮24, 分组框1, 336, 56, 48, 32, "24*24");
    add(按钮16, 分组框1, 336, 96, 48, 32, "16*16");
    add(标签6, 分组框1, 400, 24, 96, 32, "当前素材单位：\r\n32*32");
    add(编辑框素材单位x, 分组框1, 400, 72, 24, 20);
    add(标签5, 分组框1, 424, 72, 16, 16, "*");
    add(编辑框素材单位y, 分组框1, 440, 72, 24, 20);
    add(按钮其他大小, 分组框1, 400, 96, 64, 32, "其他单位");

    add(按钮新建, 分组框2, 8, 16, 40, 25, "新建");
    add(按钮打开, 分组框2, 56, 16, 40, 25, "打开");
    add(按钮保存, 分组框2, 104, 16, 40, 25, "保存");
    add(按钮另存为, 分组框2, 152, 16, 48, 25, "另存为");
    add(标签1, 分组框2, 208, 16, 72, 24, "多使用保存，防丢失");
    add(按钮设置分辨率, 分组框2, 8, 48, 72, 20, "设置分辨率");
    add(编辑框1, 分组框2, 88, 48, 40, 20, "", /*visible=*/false);
    add(标签2, 分组框2, 128, 48, 16, 16, "*", /*visible=*/false);
    add(编辑框2, 分组框2, 144, 48, 40, 20, "", /*visible=*/false);
    add(按钮确定, 分组框2, 192, 48, 40, 20, "确定", /*visible=*/false);

    find(画板1).canvas = makeCanvas(514, 514, 1, PictureMode::TopLeft, true);
    find(画板2).canvas = makeCanvas(514, 514, 1, PictureMode::TopLeft, true);
    find(画板3).canvas = makeCanvas(32, 32, 0, PictureMode::Tiled, true);
    find(画板4).canvas = makeCanvas(258, 66, 1, PictureMode::Tiled, false);
    find(画板1).canvas->setBackgroundPicture(testTilesetPicture());
}

void FakeControls::add(std::string_view name, std::string_view parent, std::int32_t left, std::int32_t top,
                       std::int32_t width, std::int32_t height, std::string_view caption, bool visible,
                       bool disabled) {
    Control control;
    control.parent = parent;
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = height;
    control.caption = caption;
    control.visible = visible;
    control.disabled = disabled;
    controls_.emplace(std::string(name), std::move(control));
}

FakeControls::Control& FakeControls::find(std::string_view name) {
    const auto it = controls_.find(name);
    if (it == controls_.end()) throw std::out_of_range("no control named " + std::string(name));
    return it->second;
}

const FakeControls::Control& FakeControls::find(std::string_view name) const {
    const auto it = controls_.find(name);
    if (it == controls_.end()) throw std::out_of_range("no control named " + std::string(name));
    return it->second;
}

Canvas& FakeControls::canvas(std::string_view name) {
    Control& control = find(name);
    if (!control.canvas) throw std::out_of_range(std::string(name) + " is no canvas");
    return *control.canvas;
}

bool FakeControls::visible(std::string_view name) const {
    const Control& control = find(name);
    if (!control.visible) return false;
    return control.parent.empty() || visible(control.parent);
}

bool FakeControls::shownItself(std::string_view name) const { return find(name).visible; }

void FakeControls::setVisible(std::string_view name, bool visible) {
    find(name).visible = visible;
    visibilityLog_.emplace_back(std::string(name), visible);
}

bool FakeControls::disabled(std::string_view name) const { return find(name).disabled; }
void FakeControls::setDisabled(std::string_view name, bool disabled) { find(name).disabled = disabled; }

std::string FakeControls::caption(std::string_view name) const { return find(name).caption; }
void FakeControls::setCaption(std::string_view name, const std::string& caption) { find(name).caption = caption; }
std::string FakeControls::text(std::string_view name) const { return find(name).text; }
void FakeControls::setText(std::string_view name, const std::string& text) { find(name).text = text; }

std::int32_t FakeControls::left(std::string_view name) const { return find(name).left; }
std::int32_t FakeControls::top(std::string_view name) const { return find(name).top; }

std::int32_t FakeControls::width(std::string_view name) const {
    const Control& control = find(name);
    return control.canvas ? control.canvas->width() : control.width;
}

std::int32_t FakeControls::height(std::string_view name) const {
    const Control& control = find(name);
    return control.canvas ? control.canvas->height() : control.height;
}

void FakeControls::setLeft(std::string_view name, std::int32_t left) { find(name).left = clampPosition(left); }
void FakeControls::setTop(std::string_view name, std::int32_t top) { find(name).top = clampPosition(top); }

void FakeControls::setWidth(std::string_view name, std::int32_t width) {
    Control& control = find(name);
    if (control.canvas)
        control.canvas->setWidth(width);
    else
        control.width = clampSize(width);
}

void FakeControls::setHeight(std::string_view name, std::int32_t height) {
    Control& control = find(name);
    if (control.canvas)
        control.canvas->setHeight(height);
    else
        control.height = clampSize(height);
}

}  // namespace qv::test
