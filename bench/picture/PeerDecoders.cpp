#include "PeerDecoders.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>

#include <gif_lib.h>
#include <jpeglib.h>
#include <stb_image.h>

#include "picture/LargeBuffer.h"

namespace qv::bench {
namespace {

struct MemoryReader {
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* into, int wanted) {
    auto* reader = static_cast<MemoryReader*>(gif->UserData);
    const std::size_t n = std::min(static_cast<std::size_t>(wanted), reader->bytes.size() - reader->at);
    std::memcpy(into, reader->bytes.data() + reader->at, n);
    reader->at += n;
    return static_cast<int>(n);
}

struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

// Kept out of decompressJpeg's frame: an exception must not cross setjmp.
bool allocateRgb(std::vector<std::uint8_t>& rgb, std::size_t bytes) noexcept {
    try {
        qv::assignLarge<std::uint8_t>(rgb, bytes, 0);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void jumpOnError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1); }

// libjpeg leaves by longjmp on errors: only plain data lives in this frame,
// and the output vector belongs to the caller. False on any failure.
bool decompressJpeg(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& rgb, int* width, int* height) {
    jpeg_decompress_struct info;
    ErrorJump error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jumpOnError;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const std::size_t stride = static_cast<std::size_t>(info.output_width) * 3;
    if (!allocateRgb(rgb, stride * info.output_height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = rgb.data() + info.output_scanline * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    *width = static_cast<int>(info.output_width);
    *height = static_cast<int>(info.output_height);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

DecodedRgb decodeWithStb(std::span<const std::uint8_t> bytes) {
    DecodedRgb out;
    int channels = 0;
    out.fromLibrary.reset(stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &out.width, &out.height, &channels, 3));
    return out;
}

DecodedRgb decodeGifWithGiflib(std::span<const std::uint8_t> bytes) {
    DecodedRgb out;
    MemoryReader reader{bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, readFromMemory, &error);
    if (gif == nullptr) return out;
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount > 0) {
        const SavedImage& image = gif->SavedImages[0];
        const ColorMapObject* colours = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        const int w = gif->SWidth, h = gif->SHeight;
        auto* rgb = static_cast<std::uint8_t*>(std::calloc(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 3));
        if (rgb != nullptr && colours != nullptr) {
            const GifImageDesc& d = image.ImageDesc;
            for (int y = 0; y < d.Height && d.Top + y < h; ++y) {
                const GifByteType* src = image.RasterBits + static_cast<std::size_t>(y) * static_cast<std::size_t>(d.Width);
                std::uint8_t* dst = rgb + (static_cast<std::size_t>(d.Top + y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(d.Left)) * 3;
                for (int x = 0; x < d.Width && d.Left + x < w; ++x, dst += 3) {
                    const int index = src[x] < colours->ColorCount ? src[x] : 0;
                    dst[0] = colours->Colors[index].Red;
                    dst[1] = colours->Colors[index].Green;
                    dst[2] = colours->Colors[index].Blue;
                }
            }
            out.width = w;
            out.height = h;
            out.fromLibrary.reset(rgb);
        } else {
            std::free(rgb);
        }
    }
    DGifCloseFile(gif, &error);
    return out;
}

DecodedRgb decodeJpegWithLibjpeg(std::span<const std::uint8_t> bytes) {
    DecodedRgb out;
    if (!decompressJpeg(bytes.data(), bytes.size(), out.fromAssignLarge, &out.width, &out.height)) return DecodedRgb{};
    return out;
}

}  // namespace qv::bench
