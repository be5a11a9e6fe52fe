#pragma once
// The drawing operations the editor performs on canvases.
#include <cstdint>
#include <optional>

#include "editor/Canvas.h"
#include "editor/PictureStore.h"

namespace qv {

inline constexpr std::uint32_t kWhite = 0xFFFFFF;  // the transparent colour of every stamp

// Copies the width x height block at (left, top) of the source to (0, 0) of
// the target, pixel for pixel. Nothing happens for an empty rectangle or one
// wholly outside the source. Parts of the block outside the source's drawing
// area arrive as white, so that a stamp leaves the map alone there.
void copyRegion(const Canvas& source, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                Canvas& target);

// Draws a picture with its top-left pixel at (left, top), scaled to
// width x height. Pixels whose colour equals the transparent colour exactly
// (0xRRGGBB), and pixels an icon's mask marks transparent, are left out.
void drawPicture(Canvas& canvas, const PictureStore& store, PictureNumber number, std::int32_t left,
                 std::int32_t top, std::int32_t width, std::int32_t height,
                 std::optional<std::uint32_t> transparent);

// The 24-bit BMP file of the canvas's whole surface; empty bytes on failure.
Bytes takePicture(const Canvas& canvas);

// Decodes picture bytes into the store; 0 when they give no picture.
PictureNumber loadPicture(PictureStore& store, const Bytes& bytes);

// The size of a stored picture in pixels; 0 for a number not in the store.
std::int32_t pictureWidth(const PictureStore& store, PictureNumber number);
std::int32_t pictureHeight(const PictureStore& store, PictureNumber number);

}  // namespace qv
