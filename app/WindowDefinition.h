#pragma once
// The main window and its 37 controls as data.
#include <array>

#include "app/ControlDefinition.h"

namespace qv {

inline constexpr std::size_t kControlCount = 37;

const MainWindowDefinition& mainWindowDefinition();

// Parents come before their children.
const std::array<ControlDefinition, kControlCount>& windowControls();

}  // namespace qv
