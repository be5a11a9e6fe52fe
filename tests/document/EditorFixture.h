#pragma once
// The window's controls in memory, the editor over them, a scripted file
// dialog and a folder for the files a test reads and writes.
#include <cstdint>
#include <functional>
#include <sstream>

#include <gtest/gtest.h>

#include "document/DocumentHandlers.h"
#include "editor/ControlNames.h"
#include "tests/support/FakeControls.h"
#include "tests/support/ScriptedFileDialog.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestPictures.h"

namespace qv::test {

inline constexpr std::uint32_t kFacePixel = kOpaque | kButtonFace;

class EditorFixture : public ::testing::Test {
protected:
    FakeControls controls;
    Editor editor{controls};
    ScriptedFileDialog dialog;
    TempFolder folder;

    Canvas& mapCanvas() { return controls.canvas(names::画板2); }
    Canvas& tilesetCanvas() { return controls.canvas(names::画板1); }

    // Something drawn on the map, as a stamp would leave it.
    void drawOnMap(std::int32_t x, std::int32_t y, std::uint32_t colour = rgbPixel(10, 200, 30)) {
        mapCanvas().pixels().row(y)[x] = colour;
    }
};

// Succeeds when every pixel of the surface has the colour expected(x, y);
// otherwise names the first pixel that differs.
inline ::testing::AssertionResult surfaceMatches(const Surface& surface, std::int32_t width, std::int32_t height,
                                                 const std::function<std::uint32_t(std::int32_t, std::int32_t)>& expected) {
    if (surface.width != width || surface.height != height)
        return ::testing::AssertionFailure() << "surface is " << surface.width << " x " << surface.height << ", not "
                                             << width << " x " << height;
    for (std::int32_t y = 0; y < height; ++y)
        for (std::int32_t x = 0; x < width; ++x)
            if (surface.at(x, y) != expected(x, y))
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex
                                                     << surface.at(x, y) << ", expected " << expected(x, y);
    return ::testing::AssertionSuccess();
}

}  // namespace qv::test
