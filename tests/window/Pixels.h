#pragma once
// Pictures the window should show, built from the same sources the program
// uses, and the comparisons that report where a screenshot departs from them.
#include <cstdint>
#include <functional>
#include <string>

#include "picture/Picture.h"
#include "picture/Surface.h"
#include "tests/window/EditorSession.h"

namespace qv::test {

inline constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

Surface surfaceOf(const Picture& picture);

// The default tileset as the program decodes it (640 x 1408).
const Surface& defaultTileset();

// The w x h block at (x, y); pixels outside the source are 0.
Surface crop(const Surface& source, int x, int y, int w, int h);

// Draws `brush` onto `target` at (left, top) as a stamp does: pure white
// pixels leave the target alone; the part beyond the target is dropped.
void stamp(Surface& target, const Surface& brush, int left, int top);

// Empty when `shot` holds `expected` with its top-left pixel at `at`;
// otherwise where and how they differ.
std::string differences(const Surface& shot, Point at, const Surface& expected);

// Pixels of the w x h block at (x, y) of `shot` that `test` accepts.
int countPixels(const Surface& shot, int x, int y, int w, int h, const std::function<bool(std::uint32_t)>& test);

std::string colourText(std::uint32_t pixel);

// Dark enough to be text: every channel below 128.
bool isDark(std::uint32_t pixel);

// The 54-byte header of a 24-bit BMP of w x h, as the map file has it.
Bytes bmpHeader(int w, int h);

// The picture of a 24-bit bottom-up BMP file's pixels (no header checks).
Surface bmpPixels(const Bytes& file, int w, int h);

}  // namespace qv::test
