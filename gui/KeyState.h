#pragma once
// The key state a canvas mouse event carries: 1 Ctrl, 2 Shift, 4 Alt.
#include <Qt>
#include <cstdint>

namespace qv {

inline std::int32_t keyStateOf(Qt::KeyboardModifiers modifiers) {
    std::int32_t state = 0;
    if (modifiers & Qt::ControlModifier) state |= 1;
    if (modifiers & Qt::ShiftModifier) state |= 2;
    if (modifiers & Qt::AltModifier) state |= 4;
    return state;
}

}  // namespace qv
