// Any bytes through readPpm; a surface it gives must survive the trip through
// encodeBmp24 and decodePicture unchanged.
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "picture/PictureFiles.h"
#include "tools/picture/Ppm.h"

using qv::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<qv::Surface> surface = qv::readPpm(std::span<const std::uint8_t>(data, size));
    if (!surface) return 0;

    require(surface->width > 0 && surface->height > 0, "width and height are at least 1");
    const std::uint64_t pixels = static_cast<std::uint64_t>(surface->width) * static_cast<std::uint64_t>(surface->height);
    require(pixels <= qv::kMaxPicturePixels, "no surface beyond the pixel limit");
    require(surface->pixels.size() == pixels, "one pixel per position");
    // Every sample takes three bytes of input, so a short file cannot make a
    // large surface.
    require(pixels * 3 <= size, "no more pixels than the bytes hold");

    const qv::Bytes file = qv::encodeBmp24(*surface);
    require(!file.empty(), "a surface read from a small file can be encoded");
    const std::optional<qv::Picture> picture = qv::decodePicture(file);
    require(picture.has_value(), "an encoded surface decodes again");
    require(picture->kind == qv::PictureKind::Bmp, "it decodes as a BMP");
    require(picture->width == surface->width && picture->height == surface->height, "it keeps its size");
    require(picture->rgb.size() == pixels * 3, "three colour bytes per pixel");
    for (std::size_t i = 0; i < pixels; ++i) {
        const std::uint32_t px = surface->pixels[i];
        require(picture->rgb[i * 3] == static_cast<std::uint8_t>(px >> 16) && picture->rgb[i * 3 + 1] == static_cast<std::uint8_t>(px >> 8) &&
                    picture->rgb[i * 3 + 2] == static_cast<std::uint8_t>(px),
                "it keeps every colour");
    }
    return 0;
}
