#pragma once
// The window frame rule: the main window's outer size is its client size plus
// an 8-pixel frame left, right and bottom and a 31-pixel caption on top, on
// every window manager.
#include <QSize>

namespace qv {

inline constexpr int kFrameWidth = 16;   // 8 left + 8 right
inline constexpr int kFrameHeight = 39;  // 31 caption + 8 bottom

inline QSize clientSizeOf(QSize outer) {
    return QSize(std::max(0, outer.width() - kFrameWidth), std::max(0, outer.height() - kFrameHeight));
}

}  // namespace qv
