#pragma once
// The editor over the window's controls in memory, with a tileset whose
// every pixel tells its position.
#include <gtest/gtest.h>

#include "editor/ControlNames.h"
#include "editor/Handlers.h"
#include "tests/support/FakeControls.h"
#include "tests/support/TestPictures.h"

namespace qv::test {

inline constexpr std::uint32_t kFace = kOpaque | kButtonFace;
inline constexpr std::uint32_t kWhiteOpaque = kOpaque | 0xFFFFFF;

class HandlerFixture : public ::testing::Test {
protected:
    HandlerFixture() {
        tileset().setBackgroundPicture(makeBmp(640, 1408));
        setEditorDefaults(editor.state);
    }

    FakeControls controls;
    Editor editor{controls};

    Canvas& tileset() { return controls.canvas(names::画板1); }
    Canvas& map() { return controls.canvas(names::画板2); }
    Canvas& brush() { return controls.canvas(names::画板3); }
    Canvas& palette() { return controls.canvas(names::画板4); }

    void dragOnTileset(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
        onTilesetPressed(editor, x0, y0, 0);
        onTilesetReleased(editor, x1, y1, 0);
    }
};

}  // namespace qv::test
