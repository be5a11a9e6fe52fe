#include "editor/Canvas.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "editor/Numbers.h"
#include "picture/PictureFiles.h"

namespace qv {
namespace {

std::int32_t atLeastOne(std::int32_t v) { return v < 1 ? 1 : v; }

std::uint32_t pixelOf(const Picture& picture, std::size_t index) {
    const std::uint8_t* p = &picture.rgb[index * 3];
    return rgbPixel(p[0], p[1], p[2]);
}

// Copies picture rows [0, rows) x [0, cols) to the surface at (left, top),
// skipping masked pixels; the caller has clipped both ranges.
void blit(const Picture& picture, std::int32_t cols, std::int32_t rows, Surface& surface, std::int32_t left,
          std::int32_t top) {
    for (std::int32_t y = 0; y < rows; ++y) {
        std::uint32_t* dst = surface.row(top + y) + left;
        const std::size_t base = static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width);
        if (picture.mask.empty()) {
            const std::uint8_t* src = &picture.rgb[base * 3];
            for (std::int32_t x = 0; x < cols; ++x, src += 3) dst[x] = rgbPixel(src[0], src[1], src[2]);
        } else {
            for (std::int32_t x = 0; x < cols; ++x)
                if (!picture.transparentAt(static_cast<std::int64_t>(base + x))) dst[x] = pixelOf(picture, base + x);
        }
    }
}

}  // namespace

Canvas::Canvas(const CanvasSetup& setup)
    : outerWidth_(clampSize(setup.outerWidth)),
      outerHeight_(clampSize(setup.outerHeight)),
      border_(setup.border),
      backgroundColour_(setup.backgroundColour & 0xFFFFFFu),
      pictureMode_(setup.pictureMode),
      autoRedraw_(setup.autoRedraw) {
    rebuildSurface(false);
}

std::int32_t Canvas::clientWidth() const { return std::max(0, outerWidth_ - 2 * border_); }
std::int32_t Canvas::clientHeight() const { return std::max(0, outerHeight_ - 2 * border_); }

void Canvas::setWidth(std::int32_t width) { setOuterSize(clampSize(width), outerHeight_); }
void Canvas::setHeight(std::int32_t height) { setOuterSize(outerWidth_, clampSize(height)); }

void Canvas::setOuterSize(std::int32_t width, std::int32_t height) {
    if (width == outerWidth_ && height == outerHeight_) return;
    const std::int32_t oldWidth = outerWidth_;
    const std::int32_t oldHeight = outerHeight_;
    outerWidth_ = width;
    outerHeight_ = height;
    if (!rebuildSurface(true)) {
        // The surface could not grow: the canvas keeps its size and its map.
        outerWidth_ = oldWidth;
        outerHeight_ = oldHeight;
        return;
    }
    if (onResized) onResized();
}

void Canvas::setBackgroundColour(std::uint32_t rgb) {
    backgroundColour_ = rgb & 0xFFFFFFu;
    rebuildSurface(false);
}

void Canvas::setBackgroundPicture(Bytes bytes) {
    backgroundBytes_ = std::move(bytes);
    backgroundDecoded_.reset();
    rebuildSurface(false);
}

void Canvas::paintBackground(Surface& surface) const {
    std::fill(surface.pixels.begin(), surface.pixels.end(), kOpaque | backgroundColour_);
    const Picture* picture = backgroundDecoded_.get();
    if (!picture || picture->width < 1 || picture->height < 1) return;
    const std::int32_t areaW = surface.width;
    const std::int32_t areaH = surface.height;
    switch (pictureMode_) {
        case PictureMode::TopLeft:
            blit(*picture, std::min(areaW, picture->width), std::min(areaH, picture->height), surface, 0, 0);
            break;
        case PictureMode::Tiled:
            for (std::int32_t top = 0; top < areaH; top += picture->height)
                for (std::int32_t left = 0; left < areaW; left += picture->width)
                    blit(*picture, std::min(areaW - left, picture->width), std::min(areaH - top, picture->height),
                         surface, left, top);
            break;
        case PictureMode::CentredFit: {
            double scale = 1.0;
            if (picture->width > areaW || picture->height > areaH)
                scale = std::min(static_cast<double>(areaW) / picture->width,
                                 static_cast<double>(areaH) / picture->height);
            const auto w = static_cast<std::int32_t>(picture->width * scale);
            const auto h = static_cast<std::int32_t>(picture->height * scale);
            if (w < 1 || h < 1) break;
            const std::int32_t left = (areaW - w) / 2;
            const std::int32_t top = (areaH - h) / 2;
            // Nearest-neighbour shrink: no smoothing, as everywhere else.
            for (std::int32_t y = 0; y < h; ++y) {
                const std::int64_t sy = static_cast<std::int64_t>(y) * picture->height / h;
                std::uint32_t* dst = surface.row(top + y) + left;
                for (std::int32_t x = 0; x < w; ++x) {
                    const std::int64_t sx = static_cast<std::int64_t>(x) * picture->width / w;
                    const std::int64_t index = sy * picture->width + sx;
                    if (!picture->transparentAt(index)) dst[x] = pixelOf(*picture, static_cast<std::size_t>(index));
                }
            }
            break;
        }
    }
}

bool Canvas::rebuildSurface(bool keepOld) {
    if (!backgroundBytes_.empty() && !backgroundDecoded_) {
        auto decoded = decodePicture(backgroundBytes_);
        if (decoded)
            backgroundDecoded_ = std::make_shared<const Picture>(std::move(*decoded));
        else
            Bytes().swap(backgroundBytes_);  // undecodable bytes are dropped
    }
    const bool fitted = backgroundDecoded_ && pictureMode_ == PictureMode::CentredFit;
    const bool keeping = keepOld && !fitted && !surface_.pixels.empty();
    // An old surface that is not kept goes before the new one is made: on a
    // huge map the two would not both fit in memory as easily.
    if (!keeping) surface_ = Surface();
    bool rebuilt = true;
    try {
        Surface fresh(atLeastOne(clientWidth()), atLeastOne(clientHeight()), kOpaque | backgroundColour_);
        paintBackground(fresh);
        if (keeping) {
            const std::int32_t w = std::min(surface_.width, fresh.width);
            const std::int32_t h = std::min(surface_.height, fresh.height);
            for (std::int32_t y = 0; y < h; ++y)
                std::memcpy(fresh.row(y), surface_.row(y), static_cast<std::size_t>(w) * sizeof(std::uint32_t));
        }
        surface_ = std::move(fresh);
    } catch (const std::bad_alloc&) {
        // No memory for the new size: a kept surface stays as it was, so
        // nothing drawn is lost; a discarded one becomes a single pixel.
        rebuilt = false;
        if (!keeping) surface_ = Surface(1, 1, kOpaque | backgroundColour_);
    }
    changed({0, 0, surface_.width, surface_.height});
    return rebuilt;
}

void Canvas::repaintedFromOutside() {
    if (autoRedraw_) return;
    paintBackground(surface_);
}

void Canvas::changed(const Rect& area) {
    if (onChanged) onChanged(area);
}

}  // namespace qv
