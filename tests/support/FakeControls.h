#pragma once
// The main window's controls in memory, as the window definition creates
// them: real canvas models for 画板1..画板4, every other control's place,
// size, visibility, enabled state, caption and text, with the same clamps.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/Canvas.h"
#include "editor/Controls.h"

namespace qv::test {

// Stands in for the platform's button-face colour, the canvases' background.
inline constexpr std::uint32_t kButtonFace = 0xF0F0F0;

// The screen the main window is centred on at start.
inline constexpr std::int32_t kScreenWidth = 1920;
inline constexpr std::int32_t kScreenHeight = 1080;

class FakeControls : public Controls {
public:
    // 画板1 starts with testTilesetPicture() as its background, standing in
    // for the built-in tileset.
    FakeControls();

    Canvas& canvas(std::string_view name) override;

    bool visible(std::string_view name) const override;
    void setVisible(std::string_view name, bool visible) override;
    bool disabled(std::string_view name) const override;
    void setDisabled(std::string_view name, bool disabled) override;

    std::string caption(std::string_view name) const override;
    void setCaption(std::string_view name, const std::string& caption) override;
    std::string text(std::string_view name) const override;
    void setText(std::string_view name, const std::string& text) override;

    std::int32_t left(std::string_view name) const override;
    std::int32_t top(std::string_view name) const override;
    std::int32_t width(std::string_view name) const override;
    std::int32_t height(std::string_view name) const override;
    void setLeft(std::string_view name, std::int32_t left) override;
    void setTop(std::string_view name, std::int32_t top) override;
    void setWidth(std::string_view name, std::int32_t width) override;
    void setHeight(std::string_view name, std::int32_t height) override;

    // Every setVisible call in order, for handlers that must show or hide
    // controls in a fixed order.
    const std::vector<std::pair<std::string, bool>>& visibilityLog() const { return visibilityLog_; }

    // The control's own visibility flag, whatever its parents'.
    bool shownItself(std::string_view name) const;

private:
    struct Control {
        std::string parent;  // empty for the main window and its direct children
        std::int32_t left = 0;
        std::int32_t top = 0;
        std::int32_t width = 0;
        std::int32_t height = 0;
        bool visible = true;
        bool disabled = false;
        std::string caption;
        std::string text;
        std::unique_ptr<Canvas> canvas;  // set for the four canvases
    };

    Control& find(std::string_view name);
    const Control& find(std::string_view name) const;
    void add(std::string_view name, std::string_view parent, std::int32_t left, std::int32_t top, std::int32_t width,
             std::int32_t height, std::string_view caption = {}, bool visible = true, bool disabled = false);

    std::map<std::string, Control, std::less<>> controls_;
    std::vector<std::pair<std::string, bool>> visibilityLog_;
};

}  // namespace qv::test
