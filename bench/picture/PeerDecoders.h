#pragma once
// Other decoders of the same files, run beside ours as the bar to beat. Each
// gives the whole picture as 8-bit RGB, top row first, in one buffer; a
// failure gives no pixels.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

namespace qv::bench {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

struct DecodedRgb {
    int width = 0;
    int height = 0;
    // Libraries that allocate inside their own API hand over a malloc'd
    // buffer; where we choose the buffer it is a vector from qv::assignLarge,
    // the way our decoders allocate.
    std::unique_ptr<std::uint8_t, FreeDeleter> fromLibrary;
    std::vector<std::uint8_t> fromAssignLarge;

    const std::uint8_t* rgb() const {
        if (fromLibrary) return fromLibrary.get();
        return fromAssignLarge.empty() ? nullptr : fromAssignLarge.data();
    }
};

// The single-file public-domain image loader, asked for three channels.
DecodedRgb decodeWithStb(std::span<const std::uint8_t> bytes);

// giflib: DGifSlurp from memory, then the first image's indices through its
// colour table into RGB.
DecodedRgb decodeGifWithGiflib(std::span<const std::uint8_t> bytes);

// libjpeg-turbo straight to RGB: jpeg_mem_src, JCS_RGB, scanlines into one
// buffer from qv::assignLarge, so that it pays the same allocation as ours.
DecodedRgb decodeJpegWithLibjpeg(std::span<const std::uint8_t> bytes);

}  // namespace qv::bench
