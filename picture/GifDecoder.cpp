// GIF87a and GIF89a: the first image only, over the logical screen.
#include <algorithm>
#include <cstring>
#include <vector>

#include "picture/ByteReader.h"
#include "picture/Decoders.h"
#include "picture/DibRow.h"
#include "picture/GifLzw.h"

namespace qv::detail {
namespace {

constexpr std::uint8_t kExtension = 0x21;
constexpr std::uint8_t kImageDescriptor = 0x2C;

bool skippableExtension(std::uint8_t label) {
    return label == 0x01 || label == 0xF9 || label == 0xFE || label == 0xFF;
}

// Reads a colour table of 2^((flags & 7) + 1) entries at `at`. False when the
// bytes end first.
bool readColourTable(const ByteReader& in, std::uint64_t& at, std::uint8_t flags, Palette& palette) {
    const std::uint64_t entries = std::uint64_t{1} << ((flags & 7) + 1);
    if (!in.has(at, 3 * entries)) return false;
    std::memcpy(palette.rgb, in.data() + at, static_cast<std::size_t>(3 * entries));
    at += 3 * entries;
    return true;
}

// Rows of an image in the order its data stores them: straight down, or the
// four interlace passes (every 8th row from 0, every 8th from 4, every 4th
// from 2, every 2nd from 1).
class RowOrder {
public:
    RowOrder(std::uint64_t height, bool interlaced) : height_(height), interlaced_(interlaced) {}

    std::uint64_t current() const { return row_; }

    void advance() {
        if (!interlaced_) {
            ++row_;
            return;
        }
        static constexpr std::uint64_t kStart[4] = {0, 4, 2, 1};
        static constexpr std::uint64_t kStep[4] = {8, 8, 4, 2};
        row_ += kStep[pass_];
        while (row_ >= height_ && pass_ < 3) {
            ++pass_;
            row_ = kStart[pass_];
        }
    }

private:
    std::uint64_t height_;
    bool interlaced_;
    unsigned pass_ = 0;
    std::uint64_t row_ = 0;
};

void fill(std::uint8_t* dst, std::uint64_t pixels, const std::uint8_t* colour) {
    if ((colour[0] | colour[1] | colour[2]) == 0) return;  // the picture starts black
    for (std::uint64_t i = 0; i < pixels; ++i, dst += 3) putColour(dst, colour);
}

// A colour index's colour; indices beyond the table are black.
inline const std::uint8_t* colourOf(const Palette& palette, std::uint8_t index) { return palette.rgb[index]; }
inline const std::uint8_t* colourOf(const Palette& palette, std::uint16_t index) {
    static constexpr std::uint8_t kBlack[3] = {0, 0, 0};
    return index < 256 ? palette.rgb[index] : kBlack;
}

// Decodes the image's LZW data onto the picture's top-left corner; pixels the
// data does not reach show the background colour.
template <typename Index>
void decodeImage(std::span<const std::uint8_t> data, unsigned minCodeSize, Picture& picture, std::uint64_t imageWidth,
                 std::uint64_t imageHeight, bool interlaced, const Palette& palette, const std::uint8_t* background) {
    const std::uint64_t screenWidth = static_cast<std::uint64_t>(picture.width);
    const std::uint64_t visibleWidth = std::min<std::uint64_t>(imageWidth, screenWidth);
    const std::uint64_t visibleHeight = std::min<std::uint64_t>(imageHeight, static_cast<std::uint64_t>(picture.height));
    const std::uint64_t outStride = screenWidth * 3;
    std::uint8_t* out = picture.rgb.data();

    std::vector<Index> row(static_cast<std::size_t>(imageWidth));
    RowOrder order(imageHeight, interlaced);
    const auto onRow = [&] {
        const std::uint64_t y = order.current();
        if (y < visibleHeight) {
            std::uint8_t* dst = out + y * outStride;
            const Index* src = row.data();
            for (std::uint64_t x = 0; x < visibleWidth; ++x, dst += 3) putColour(dst, colourOf(palette, src[x]));
        }
        order.advance();
    };
    std::uint64_t partial = 0;
    const std::uint64_t rowsDone = decodeGifLzw(data, minCodeSize, row.data(), imageWidth, imageHeight, onRow, partial);

    for (std::uint64_t r = rowsDone; r < imageHeight; ++r) {
        const std::uint64_t y = order.current();
        if (y < visibleHeight) {
            std::uint8_t* dst = out + y * outStride;
            std::uint64_t x = 0;
            if (r == rowsDone) {
                for (; x < std::min(partial, visibleWidth); ++x) putColour(dst + 3 * x, colourOf(palette, row[x]));
            }
            fill(dst + 3 * x, visibleWidth - x, background);
        }
        order.advance();
    }
}

}  // namespace

std::optional<Picture> decodeGif(std::span<const std::uint8_t> bytes) {
    const ByteReader in(bytes);
    if (in.size() <= 13) return std::nullopt;
    if (std::memcmp(in.data(), "GIF87a", 6) != 0 && std::memcmp(in.data(), "GIF89a", 6) != 0) return std::nullopt;

    const std::uint64_t screenWidth = in.u16(6);
    const std::uint64_t screenHeight = in.u16(8);
    const std::uint8_t screenFlags = in.u8(10);
    const std::uint8_t backgroundIndex = in.u8(11);

    std::uint64_t at = 13;
    Palette global;
    const bool hasGlobal = (screenFlags & 0x80) != 0;
    if (hasGlobal) {
        if (!readColourTable(in, at, screenFlags, global)) return std::nullopt;
        if (at >= in.size()) return std::nullopt;  // nothing after header and table
    }
    // Screen pixels that the image does not cover show the background colour;
    // without a global table, black.
    std::uint8_t background[3] = {0, 0, 0};
    if (hasGlobal && backgroundIndex < (1u << ((screenFlags & 7) + 1)))
        std::memcpy(background, global.rgb[backgroundIndex], 3);

    // Each turn consumes at least one byte, so the walk ends.
    for (;;) {
        if (!in.has(at, 1)) return std::nullopt;  // no image
        const std::uint8_t introducer = in.u8(at);
        if (introducer == kImageDescriptor) break;
        if (introducer != kExtension) return std::nullopt;  // the trailer or an unknown block: no image
        if (!in.has(at, 2) || !skippableExtension(in.u8(at + 1))) return std::nullopt;
        at += 2;
        for (;;) {
            if (!in.has(at, 1)) return std::nullopt;
            const std::uint64_t length = in.u8(at++);
            if (length == 0) break;
            if (!in.has(at, length)) return std::nullopt;
            at += length;
        }
    }

    if (!in.has(at, 10)) return std::nullopt;
    const std::uint64_t imageWidth = in.u16(at + 5);
    const std::uint64_t imageHeight = in.u16(at + 7);
    const std::uint8_t imageFlags = in.u8(at + 9);
    at += 10;
    Palette local;
    const bool hasLocal = (imageFlags & 0x80) != 0;
    if (hasLocal && !readColourTable(in, at, imageFlags, local)) return std::nullopt;
    const Palette& palette = hasLocal ? local : global;

    Picture picture;
    if (!allocatePicture(picture, PictureKind::Gif, static_cast<std::int64_t>(screenWidth),
                         static_cast<std::int64_t>(screenHeight)))
        return std::nullopt;

    const std::uint64_t visibleWidth = std::min(imageWidth, screenWidth);
    const std::uint64_t visibleHeight = std::min(imageHeight, screenHeight);
    const std::uint64_t outStride = screenWidth * 3;
    std::uint8_t* out = picture.rgb.data();
    if ((background[0] | background[1] | background[2]) != 0) {
        // One row of background, copied wherever the image does not reach.
        std::vector<std::uint8_t> backgroundRow(static_cast<std::size_t>(outStride));
        fill(backgroundRow.data(), screenWidth, background);
        for (std::uint64_t y = 0; y < screenHeight; ++y) {
            const std::uint64_t from = y < visibleHeight ? visibleWidth * 3 : 0;
            std::memcpy(out + y * outStride + from, backgroundRow.data(), static_cast<std::size_t>(outStride - from));
        }
    }
    if (imageWidth == 0 || imageHeight == 0) return picture;

    // The data sub-blocks joined; a block cut short by the end of the bytes
    // still gives what it holds.
    const std::uint8_t minCodeSize = in.u8(at);
    std::vector<std::uint8_t> data;
    if (in.has(at, 1)) {
        ++at;
        data.reserve(static_cast<std::size_t>(in.size() - at));
        while (in.has(at, 1)) {
            const std::uint64_t length = in.u8(at++);
            if (length == 0) break;
            const std::uint64_t available = std::min(length, in.size() - at);
            data.insert(data.end(), in.data() + at, in.data() + at + available);
            at += available;
        }
    }

    if (minCodeSize <= 8)
        decodeImage<std::uint8_t>(data, minCodeSize, picture, imageWidth, imageHeight, (imageFlags & 0x40) != 0, palette,
                                  background);
    else
        decodeImage<std::uint16_t>(data, minCodeSize, picture, imageWidth, imageHeight, (imageFlags & 0x40) != 0, palette,
                                   background);
    return picture;
}

}  // namespace qv::detail
