#pragma once
// The window's controls as the handlers see them, reached by their
// window-definition names (see ControlNames.h). Texts are UTF-8.
#include <cstdint>
#include <string>
#include <string_view>

#include "editor/Canvas.h"

namespace qv {

class Controls {
public:
    virtual ~Controls() = default;

    virtual Canvas& canvas(std::string_view name) = 0;

    // True only while the control and all its parents are shown.
    virtual bool visible(std::string_view name) const = 0;
    virtual void setVisible(std::string_view name, bool visible) = 0;
    virtual bool disabled(std::string_view name) const = 0;
    virtual void setDisabled(std::string_view name, bool disabled) = 0;

    virtual std::string caption(std::string_view name) const = 0;
    virtual void setCaption(std::string_view name, const std::string& caption) = 0;
    virtual std::string text(std::string_view name) const = 0;
    virtual void setText(std::string_view name, const std::string& text) = 0;

    // Positions in the parent's client area (the main window: on the screen),
    // clamped to -32627..32627. Sizes are outer sizes (for the main window
    // frame and caption included), clamped to 0..32627. A canvas's size is
    // its Canvas's width and height.
    virtual std::int32_t left(std::string_view name) const = 0;
    virtual std::int32_t top(std::string_view name) const = 0;
    virtual std::int32_t width(std::string_view name) const = 0;
    virtual std::int32_t height(std::string_view name) const = 0;
    virtual void setLeft(std::string_view name, std::int32_t left) = 0;
    virtual void setTop(std::string_view name, std::int32_t top) = 0;
    virtual void setWidth(std::string_view name, std::int32_t width) = 0;
    virtual void setHeight(std::string_view name, std::int32_t height) = 0;
};

}  // namespace qv
