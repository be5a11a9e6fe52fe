#include "tests/support/FakeControls.h"

#include <stdexcept>

#include "app/WindowDefinition.h"
#include "editor/Numbers.h"
#include "tests/support/TestPictures.h"

namespace qv::test {

// The controls as the window definition creates them; 画板1 shows the test
// tileset in place of the built-in one.
FakeControls::FakeControls() {
    const MainWindowDefinition& window = mainWindowDefinition();
    add(window.name, "", (kScreenWidth - window.outerWidth) / 2, (kScreenHeight - window.outerHeight) / 2,
        window.outerWidth, window.outerHeight, window.caption);
    for (const ControlDefinition& def : windowControls()) {
        if (def.kind == ControlKind::FileDialog) continue;  // no place, size or state of its own
        const bool editBox = def.kind == ControlKind::EditBox;
        add(def.name, def.parent, def.left, def.top, def.width, def.height, editBox ? "" : def.caption, def.visible,
            !def.enabled);
        if (editBox) find(def.name).text = def.caption;
        if (def.kind != ControlKind::Canvas) continue;
        CanvasSetup setup;
        setup.outerWidth = def.width;
        setup.outerHeight = def.height;
        setup.border = def.canvas.border;
        setup.backgroundColour = kButtonFace;
        setup.pictureMode = def.canvas.pictureMode;
        setup.autoRedraw = def.canvas.autoRedraw;
        Control& control = find(def.name);
        control.canvas = std::make_unique<Canvas>(setup);
        if (def.canvas.picture == StartPicture::DefaultTileset) control.canvas->setBackgroundPicture(testTilesetPicture());
    }
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
