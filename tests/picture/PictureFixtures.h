#pragma once
// Small picture files built in code for the decoder tests, and helpers to
// read and compare pictures.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "picture/Picture.h"

namespace qv::test {

using Rgb = std::array<std::uint8_t, 3>;

std::optional<Bytes> readFile(const std::string& path);
Rgb pixelAt(const Picture& picture, int x, int y);

// --- BMP -------------------------------------------------------------------
struct BmpLayout {
    std::int32_t width = 1;
    std::int32_t height = 1;  // negative: rows stored top row first
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t infoSize = 40;  // larger sizes add zero bytes to the header
    std::uint32_t coloursUsed = 0;
    std::vector<Rgb> table;                // written in full, blue-green-red-0
    std::optional<std::uint32_t> offBits;  // default: right after the table
    bool dropLastPadding = false;          // end the file right after the last row's pixels
};
// value(x, y), y from the top: a table index for 1/4/8 bits, 0xRRGGBB otherwise.
Bytes makeBmp(const BmpLayout& layout, const std::function<std::uint32_t(int, int)>& value);

// --- GIF -------------------------------------------------------------------
struct GifImage {
    std::uint16_t width = 1;
    std::uint16_t height = 1;
    bool interlaced = false;
    std::vector<std::uint8_t> indices;  // width * height, rows from the top
    std::vector<Rgb> localTable;        // a power of two in size, or empty
    unsigned minCodeSize = 8;
    bool clearWhenFull = true;
};
struct GifLayout {
    std::uint16_t screenWidth = 1;
    std::uint16_t screenHeight = 1;
    std::vector<Rgb> globalTable;  // a power of two in size, or empty
    std::uint8_t backgroundIndex = 0;
    bool graphicControl = false;  // a graphic control extension before each image
    std::vector<GifImage> images;
};
Bytes makeGif(const GifLayout& layout);
// GIF LZW data (without sub-blocks). clearWhenFull=false keeps coding with a
// full table, as many encoders do.
Bytes lzwEncode(const std::vector<std::uint8_t>& indices, unsigned minCodeSize, bool clearWhenFull = true);

// --- Icons -----------------------------------------------------------------
struct IconImageLayout {
    std::int32_t width = 1;
    std::int32_t height = 1;  // the picture's height; the header holds twice it
    std::uint16_t bits = 24;
    std::vector<Rgb> table;
    std::function<std::uint32_t(int, int)> value;  // as for makeBmp
    std::function<bool(int, int)> transparent;     // the AND mask
};
Bytes makeIconImage(const IconImageLayout& layout);
struct IconEntry {
    std::uint8_t widthByte = 0;
    std::uint8_t heightByte = 0;
    std::uint8_t colourCount = 0;
    Bytes image;
};
// type 1 icon, 2 cursor.
Bytes makeIconFile(std::uint16_t type, const std::vector<IconEntry>& entries);

// --- PCX -------------------------------------------------------------------
struct PcxLayout {
    std::uint8_t version = 5;
    std::uint8_t bits = 8;
    std::uint8_t planes = 1;
    std::uint16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::uint16_t bytesPerLine = 1;
    std::vector<std::vector<std::uint8_t>> lines;  // each bytesPerLine * planes bytes
    std::vector<Rgb> table;                        // 256 entries after 0x0C, or none
};
Bytes makePcx(const PcxLayout& layout);

}  // namespace qv::test
