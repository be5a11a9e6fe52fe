#include "PeerDecoders.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <gif_lib.h>
#include <jpeglib.h>
#include <stb_image.h>

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

void jumpOnError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1); }

// libjpeg leaves by longjmp on errors: only plain data lives in this frame.
std::uint8_t* decompressJpeg(const std::uint8_t* data, std::size_t size, int* width, int* height) {
    jpeg_decompress_struct info;
    ErrorJump error;
    std::uint8_t* volatile rgb = nullptr;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jumpOnError;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        std::free(rgb);
        return nullptr;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const std::size_t stride = static_cast<std::size_t>(info.output_width) * 3;
    rgb = static_cast<std::uint8_t*>(std::malloc(stride * info.output_height));
    if (rgb == nullptr) {
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = rgb + info.output_scanline * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    *width = static_cast<int>(info.output_width);
    *height = static_cast<int>(info.output_height);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return rgb;
}

}  // namespace

DecodedRgb decodeWithStb(std::span<const std::uint8_t> bytes) {
    DecodedRgb out;
    int channels = 0;
    out.rgb.reset(stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &out.width, &out.height, &channels, 3));
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
            out.rgb.reset(rgb);
        } else {
            std::free(rgb);
        }
    }
    DGifCloseFile(gif, &error);
    return out;
}

DecodedRgb decodeJpegWithLibjpeg(std::span<const std::uint8_t> bytes) {
    DecodedRgb out;
    out.rgb.reset(decompressJpeg(bytes.data(), bytes.size(), &out.width, &out.height));
    return out;
}

}  // namespace qv::bench
