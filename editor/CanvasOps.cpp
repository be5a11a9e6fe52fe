#include "editor/CanvasOps.h"

#include <algorithm>
#include <new>

#include "picture/PictureFiles.h"

namespace qv {
namespace {

constexpr std::uint32_t kWhitePixel = kOpaque | kWhite;

}  // namespace

void copyRegion(const Canvas& source, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                Canvas& target) {
    if (width <= 0 || height <= 0) return;
    const std::int64_t srcW = source.clientWidth();
    const std::int64_t srcH = source.clientHeight();
    if (std::int64_t{left} + width < 0 || std::int64_t{top} + height < 0 || left > srcW || top > srcH) return;

    const Surface& src = source.pixels();
    Surface& dst = target.pixels();
    // Source pixels that exist: inside the drawing area and the surface.
    const std::int64_t validW = std::min<std::int64_t>(srcW, src.width);
    const std::int64_t validH = std::min<std::int64_t>(srcH, src.height);
    const std::int32_t rows = static_cast<std::int32_t>(std::min<std::int64_t>(height, dst.height));
    const std::int32_t cols = static_cast<std::int32_t>(std::min<std::int64_t>(width, dst.width));
    for (std::int32_t y = 0; y < rows; ++y) {
        std::uint32_t* out = dst.row(y);
        const std::int64_t sy = std::int64_t{top} + y;
        if (sy < 0 || sy >= validH) {
            std::fill(out, out + cols, kWhitePixel);
            continue;
        }
        const std::uint32_t* in = src.row(static_cast<std::int32_t>(sy));
        // Split the row into the part before, inside and after the source.
        const std::int64_t firstInside = std::clamp<std::int64_t>(-std::int64_t{left}, 0, cols);
        const std::int64_t endInside = std::clamp<std::int64_t>(validW - left, firstInside, cols);
        std::fill(out, out + firstInside, kWhitePixel);
        std::copy(in + left + firstInside, in + left + endInside, out + firstInside);
        std::fill(out + endInside, out + cols, kWhitePixel);
    }
    target.changed({0, 0, cols, rows});
}

void drawPicture(Canvas& canvas, const PictureStore& store, PictureNumber number, std::int32_t left,
                 std::int32_t top, std::int32_t width, std::int32_t height,
                 std::optional<std::uint32_t> transparent) {
    const Picture* picture = store.find(number);
    if (!picture || width <= 0 || height <= 0 || picture->width < 1 || picture->height < 1) return;
    Surface& dst = canvas.pixels();
    const std::int64_t x0 = std::max<std::int64_t>(0, left);
    const std::int64_t y0 = std::max<std::int64_t>(0, top);
    const std::int64_t x1 = std::min<std::int64_t>(dst.width, std::int64_t{left} + width);
    const std::int64_t y1 = std::min<std::int64_t>(dst.height, std::int64_t{top} + height);
    if (x0 >= x1 || y0 >= y1) return;

    const bool keyed = transparent.has_value();
    const std::uint32_t key = kOpaque | (transparent.value_or(0) & 0xFFFFFFu);
    const bool oneToOne = width == picture->width && height == picture->height;
    for (std::int64_t y = y0; y < y1; ++y) {
        const std::int64_t py = oneToOne ? y - top : (y - top) * picture->height / height;
        std::uint32_t* out = dst.row(static_cast<std::int32_t>(y));
        for (std::int64_t x = x0; x < x1; ++x) {
            const std::int64_t px = oneToOne ? x - left : (x - left) * picture->width / width;
            const std::int64_t index = py * picture->width + px;
            if (picture->transparentAt(index)) continue;
            const std::uint8_t* p = &picture->rgb[static_cast<std::size_t>(index) * 3];
            const std::uint32_t colour = rgbPixel(p[0], p[1], p[2]);
            if (keyed && colour == key) continue;
            out[x] = colour;
        }
    }
    canvas.changed({static_cast<std::int32_t>(x0), static_cast<std::int32_t>(y0), static_cast<std::int32_t>(x1 - x0),
                    static_cast<std::int32_t>(y1 - y0)});
}

Bytes takePicture(const Canvas& canvas) { return encodeBmp24(canvas.pixels()); }

PictureNumber loadPicture(PictureStore& store, const Bytes& bytes) {
    if (bytes.empty()) return 0;
    auto picture = decodePicture(bytes);
    if (!picture) return 0;
    try {
        return store.add(std::move(*picture));
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

std::int32_t pictureWidth(const PictureStore& store, PictureNumber number) {
    const Picture* picture = store.find(number);
    return picture ? picture->width : 0;
}

std::int32_t pictureHeight(const PictureStore& store, PictureNumber number) {
    const Picture* picture = store.find(number);
    return picture ? picture->height : 0;
}

}  // namespace qv
