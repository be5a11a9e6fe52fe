#include "BenchInputs.h"

#include <cstdio>

#include "GifWriter.h"
#include "IconWriter.h"
#include "JpegWriter.h"
#include "PcxWriter.h"
#include "PeerDecoders.h"
#include "SyntheticArt.h"
#include "picture/PictureFiles.h"

namespace qv::bench {
namespace {

BenchInput fromIndexedArt(const IndexedArt& art, Bytes bytes) {
    BenchInput input;
    input.bytes = std::move(bytes);
    input.width = art.width;
    input.height = art.height;
    input.rgb = art.rgb();
    return input;
}

}  // namespace

const BenchInput& gifTileset() {
    static const BenchInput input = [] {
        const IndexedArt art = makeTilesetArt(640, 1408);
        return fromIndexedArt(art, writeGif(art));
    }();
    return input;
}

const BenchInput& bmp24Large() {
    static const BenchInput input = [] {
        const Surface surface = makeVariedSurface(4096, 4096);
        BenchInput in;
        in.bytes = encodeBmp24(surface);
        in.width = surface.width;
        in.height = surface.height;
        in.rgb = rgbOfSurface(surface);
        return in;
    }();
    return input;
}

const BenchInput& jpegPhoto() {
    static const BenchInput input = [] {
        BenchInput in;
        in.width = 4096;
        in.height = 4096;
        in.bytes = writeJpeg(makePhotoRgb(in.width, in.height), in.width, in.height, 90);
        // JPEG is lossy: the reference is libjpeg's own decode with its
        // default settings, which ours must match exactly.
        const DecodedRgb reference = decodeJpegWithLibjpeg(in.bytes);
        if (reference.rgb() != nullptr && reference.width == in.width && reference.height == in.height)
            in.rgb.assign(reference.rgb(), reference.rgb() + in.pixels() * 3);
        return in;
    }();
    return input;
}

const BenchInput& pcx8Large() {
    static const BenchInput input = [] {
        const IndexedArt art = makeTilesetArt(2048, 2048);
        return fromIndexedArt(art, writePcx8(art));
    }();
    return input;
}

const BenchInput& icon32() {
    static const BenchInput input = [] {
        const IconArt art = makeIconArt(32);
        BenchInput in;
        in.bytes = writeIcon24(art);
        in.width = art.size;
        in.height = art.size;
        in.rgb = art.rgb;
        in.mask = art.mask;
        return in;
    }();
    return input;
}

const Surface& mapSurfaceLarge() {
    static const Surface surface = makeVariedSurface(8192, 8192);
    return surface;
}

std::string differenceFrom(const BenchInput& input, int width, int height, const std::uint8_t* rgb,
                           const std::vector<std::uint8_t>* mask) {
    char text[160];
    if (rgb == nullptr) return "no picture";
    if (width != input.width || height != input.height) {
        std::snprintf(text, sizeof text, "size %dx%d, expected %dx%d", width, height, input.width, input.height);
        return text;
    }
    if (input.rgb.empty()) return "no reference pixels to compare with";
    const std::size_t n = static_cast<std::size_t>(input.pixels());
    if (!input.mask.empty()) {
        if (mask == nullptr || mask->size() != n) return "transparency mask missing or of the wrong size";
        for (std::size_t i = 0; i < n; ++i) {
            if (((*mask)[i] != 0) != (input.mask[i] != 0)) {
                std::snprintf(text, sizeof text, "transparency differs at pixel %zu", i);
                return text;
            }
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (!input.mask.empty() && input.mask[i] != 0) continue;
        if (rgb[i * 3] != input.rgb[i * 3] || rgb[i * 3 + 1] != input.rgb[i * 3 + 1] || rgb[i * 3 + 2] != input.rgb[i * 3 + 2]) {
            std::snprintf(text, sizeof text, "colour differs at x=%zu y=%zu", i % static_cast<std::size_t>(width),
                          i / static_cast<std::size_t>(width));
            return text;
        }
    }
    return {};
}

}  // namespace qv::bench
