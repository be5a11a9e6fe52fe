// PCX: run-length coded scan lines, 8 bits per pixel with a 256-colour table
// after the data (or three colour planes), or 1 bit per pixel in one plane.
#include <algorithm>
#include <vector>

#include "picture/ByteReader.h"
#include "picture/Decoders.h"
#include "picture/DibRow.h"

namespace qv::detail {
namespace {

constexpr std::uint64_t kHeaderSize = 128;
constexpr std::uint8_t kPaletteMarker = 0x0C;
constexpr std::uint64_t kPaletteSize = 768;

// Expands the run-length data from `at` into lines of `line.size()` bytes. A
// run may carry over into the next line. False when the bytes end first.
class RunLengthReader {
public:
    RunLengthReader(const ByteReader& in, std::uint64_t at) : in_(in), at_(at) {}

    bool readLine(std::uint8_t* line, std::uint64_t length) {
        std::uint64_t x = 0;
        while (x < length) {
            if (repeat_ == 0) {
                if (!in_.has(at_, 1)) return false;
                const std::uint8_t byte = in_.u8(at_++);
                if (byte > 0xC0) {
                    if (!in_.has(at_, 1)) return false;
                    repeat_ = byte - 0xC0u;
                    value_ = in_.u8(at_++);
                } else {
                    line[x++] = byte;  // 0xC0 itself stands for itself
                    continue;
                }
            }
            const std::uint64_t n = std::min<std::uint64_t>(repeat_, length - x);
            std::fill(line + x, line + x + n, value_);
            x += n;
            repeat_ -= static_cast<unsigned>(n);
        }
        return true;
    }

    std::uint64_t position() const { return at_; }

private:
    const ByteReader& in_;
    std::uint64_t at_;
    unsigned repeat_ = 0;
    std::uint8_t value_ = 0;
};

}  // namespace

std::optional<Picture> decodePcx(std::span<const std::uint8_t> bytes, PictureKind) {
    const ByteReader in(bytes);
    if (in.size() <= kHeaderSize) return std::nullopt;
    if (in.u8(0) != 0x0A || in.u8(1) > 5 || in.u8(2) != 1) return std::nullopt;
    const std::int64_t xMin = in.u16(4), yMin = in.u16(6), xMax = in.u16(8), yMax = in.u16(10);
    if (xMax < xMin || yMax < yMin) return std::nullopt;
    const std::int64_t width = xMax - xMin + 1;
    const std::int64_t height = yMax - yMin + 1;
    const unsigned bits = in.u8(3);
    const unsigned planes = in.u8(65);
    const std::uint64_t bytesPerLine = in.u16(66);

    PictureKind kind;
    if (bits == 1 && planes == 1)
        kind = PictureKind::Pcx1;
    else if (bits == 8 && (planes == 1 || planes == 3))  // a colour table, or red, green and blue planes
        kind = PictureKind::Pcx8;
    else
        return std::nullopt;
    // Each plane's line must hold the picture's width.
    if (bytesPerLine < dibRowBytes(static_cast<std::uint64_t>(width), bits)) return std::nullopt;
    if (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMaxPicturePixels) return std::nullopt;

    // Two bytes of data expand to at most 63: data too short to fill every
    // line is refused before anything large is allocated.
    const std::uint64_t lineLength = bytesPerLine * planes;
    const std::uint64_t total = lineLength * static_cast<std::uint64_t>(height);
    if ((in.size() - kHeaderSize) * 63 < total * 2) return std::nullopt;

    Picture picture;
    if (!allocatePicture(picture, kind, width, height)) return std::nullopt;
    std::vector<std::uint8_t> line(static_cast<std::size_t>(lineLength));
    RunLengthReader reader(in, kHeaderSize);
    const std::uint64_t w = static_cast<std::uint64_t>(width);
    std::uint8_t* out = picture.rgb.data();

    if (kind == PictureKind::Pcx1) {
        for (std::int64_t y = 0; y < height; ++y) {
            if (!reader.readLine(line.data(), lineLength)) return std::nullopt;
            for (std::uint64_t x = 0; x < w; ++x, out += 3) {
                const std::uint8_t value = ((line[x >> 3] >> (7 - (x & 7))) & 1) ? 0xFF : 0x00;
                out[0] = out[1] = out[2] = value;
            }
        }
        return picture;
    }

    if (planes == 3) {
        for (std::int64_t y = 0; y < height; ++y) {
            if (!reader.readLine(line.data(), lineLength)) return std::nullopt;
            const std::uint8_t* red = line.data();
            const std::uint8_t* green = red + bytesPerLine;
            const std::uint8_t* blue = green + bytesPerLine;
            for (std::uint64_t x = 0; x < w; ++x, out += 3) {
                out[0] = red[x];
                out[1] = green[x];
                out[2] = blue[x];
            }
        }
        return picture;
    }

    // One plane of indices; the colour table is known only after the data.
    std::vector<std::uint8_t> indices(static_cast<std::size_t>(w * static_cast<std::uint64_t>(height)));
    for (std::int64_t y = 0; y < height; ++y) {
        if (!reader.readLine(line.data(), lineLength)) return std::nullopt;
        std::copy_n(line.data(), w, indices.data() + static_cast<std::uint64_t>(y) * w);
    }
    const std::uint64_t marker = reader.position();
    // Without its table the colours are unknown: refused rather than guessed.
    if (in.u8(marker) != kPaletteMarker || !in.has(marker + 1, kPaletteSize)) return std::nullopt;
    const std::uint8_t* table = in.data() + marker + 1;
    for (std::size_t i = 0; i < indices.size(); ++i, out += 3) putColour(out, table + 3 * indices[i]);
    return picture;
}

}  // namespace qv::detail
