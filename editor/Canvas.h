#pragma once
// The canvas raster model: a control addressed in pixels from the top-left
// corner inside its border. With autoRedraw on it keeps a drawing surface that
// holds the background and everything drawn; with it off it keeps only what
// the screen shows, which an outside repaint wipes.
#include <cstdint>
#include <functional>
#include <memory>

#include "picture/Picture.h"
#include "picture/Surface.h"

namespace qv {

enum class PictureMode : std::int32_t { TopLeft = 0, Tiled = 1, CentredFit = 2 };

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct CanvasSetup {
    std::int32_t outerWidth = 0;
    std::int32_t outerHeight = 0;
    std::int32_t border = 0;               // 1 for a one-pixel single line, 0 for none
    std::uint32_t backgroundColour = 0;    // 0xRRGGBB
    PictureMode pictureMode = PictureMode::TopLeft;
    bool autoRedraw = true;
};

class Canvas {
public:
    explicit Canvas(const CanvasSetup& setup);

    // Outer size, border included. Writes clamp to 0..32627 and rebuild the
    // surface keeping what was drawn.
    std::int32_t width() const { return outerWidth_; }
    std::int32_t height() const { return outerHeight_; }
    void setWidth(std::int32_t width);
    void setHeight(std::int32_t height);
    std::int32_t border() const { return border_; }

    // The drawing area: outer size less the border (never negative).
    std::int32_t clientWidth() const;
    std::int32_t clientHeight() const;

    // The drawing surface, or for a canvas without autoRedraw the pixels it
    // shows. Always at least 1 x 1.
    const Surface& pixels() const { return surface_; }
    Surface& pixels() { return surface_; }

    std::uint32_t backgroundColour() const { return backgroundColour_; }
    void setBackgroundColour(std::uint32_t rgb);
    PictureMode pictureMode() const { return pictureMode_; }
    bool autoRedraw() const { return autoRedraw_; }

    // Writing the background picture forgets everything drawn. Bytes that
    // decode to no picture are dropped: reading back gives empty bytes.
    const Bytes& backgroundPicture() const { return backgroundBytes_; }
    void setBackgroundPicture(Bytes bytes);
    // The decoded background picture, or null.
    const Picture* backgroundPictureDecoded() const { return backgroundDecoded_.get(); }

    // Makes a new surface of the drawing-area size: background colour, the
    // background picture by pictureMode, and with keepOld the old pixels at
    // the top-left. False when memory ran out: a kept surface then stays as
    // it was, a discarded one becomes a single pixel.
    bool rebuildSurface(bool keepOld);

    // The platform repainted a canvas without autoRedraw: what was drawn on
    // it is gone and it shows its background again.
    void repaintedFromOutside();

    // Asks the view to show the pixels of this client rectangle again.
    void changed(const Rect& area);

    // Hooks for the view: a region to repaint, and a new outer size.
    std::function<void(const Rect&)> onChanged;
    std::function<void()> onResized;

private:
    void setOuterSize(std::int32_t width, std::int32_t height);
    void paintBackground(Surface& surface) const;

    std::int32_t outerWidth_;
    std::int32_t outerHeight_;
    std::int32_t border_;
    std::uint32_t backgroundColour_;
    PictureMode pictureMode_;
    bool autoRedraw_;
    Bytes backgroundBytes_;
    std::shared_ptr<const Picture> backgroundDecoded_;
    Surface surface_;
};

}  // namespace qv
