#pragma once
// One row of the window definition: a control's kind, parent, place, size,
// caption and start state, and the settings of its kind that matter.
#include <cstdint>
#include <string_view>

#include "editor/Canvas.h"

namespace qv {

enum class ControlKind { Canvas, GroupBox, Label, EditBox, Button, FileDialog };

enum class StartPicture { None, DefaultTileset };

struct CanvasSettings {
    std::int32_t border = 0;  // 1: one-pixel single line; 0: none
    PictureMode pictureMode = PictureMode::TopLeft;
    bool autoRedraw = true;
    StartPicture picture = StartPicture::None;
};

enum class LabelLines { WordWrapped, OneLine };
enum class LabelAlign { Left, Centred };

struct LabelSettings {
    LabelAlign align = LabelAlign::Left;
    LabelLines lines = LabelLines::OneLine;
};

struct ControlDefinition {
    std::string_view name;
    ControlKind kind;
    std::string_view parent;  // the main window or a group box
    std::int32_t left;        // in the parent's client area; a group box's
    std::int32_t top;         // children from its outer top-left corner
    std::int32_t width;       // outer size, border included
    std::int32_t height;
    std::string_view caption;  // UTF-8; the text of an edit box
    bool visible;
    bool enabled;
    bool tabStop;
    CanvasSettings canvas{};      // canvases only
    LabelSettings label{};        // labels only
    std::int32_t maxGbkBytes = 0;  // edit boxes only; 0 = no limit of its own
};

struct MainWindowDefinition {
    std::string_view name;
    std::string_view caption;
    std::int32_t outerWidth;
    std::int32_t outerHeight;
};

}  // namespace qv
