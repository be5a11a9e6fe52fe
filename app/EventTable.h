#pragma once
// The only link between the window and the behaviour: which handler each
// control event runs. Events without a row have no handler.
#include <array>
#include <cstdint>
#include <string_view>

#include "document/FileDialog.h"
#include "editor/Editor.h"

namespace qv {

enum class EventKind { Created, Clicked, Pressed, Released };

using ClickHandler = void (*)(Editor&, FileDialog&);
using MouseHandler = void (*)(Editor&, FileDialog&, std::int32_t x, std::int32_t y, std::int32_t keys);

struct EventRow {
    std::string_view control;
    EventKind kind;
    ClickHandler click = nullptr;  // created and clicked
    MouseHandler mouse = nullptr;  // pressed and released
};

inline constexpr std::size_t kEventRowCount = 26;

const std::array<EventRow, kEventRowCount>& eventTable();

}  // namespace qv
