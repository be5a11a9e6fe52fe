// JPEG through libjpeg. libjpeg reports fatal errors by calling error_exit,
// which here jumps back with longjmp; the functions that call setjmp hold no
// object with a destructor, and every C++ object lives in decodeJpeg, whose
// frame no jump skips.
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

#include "picture/Decoders.h"

namespace qv::detail {
namespace {

// Progressive files can hold any number of scans, each a pass over the whole
// image; more than this many is taken as hostile.
constexpr int kMaxScans = 1000;
// libjpeg's own working memory (whole-image coefficient buffers of
// progressive files), on top of the picture itself.
constexpr long kMaxLibraryMemory = 1L << 30;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void abandonDecode(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings and traces are dropped: the editor shows no messages.
void ignoreMessage(j_common_ptr, int) {}
void ignoreOutput(j_common_ptr) {}

// The bytes are in memory already; when they run out, the library is handed
// an end-of-image marker, so a truncated file ends as libjpeg ends any image
// whose data stops early (the missing part grey).
struct MemorySource {
    jpeg_source_mgr base;
    const JOCTET* bytes;
    std::size_t size;
};

const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

void initSource(j_decompress_ptr) {}

boolean fillInputBuffer(j_decompress_ptr cinfo) {
    WARNMS(cinfo, JWRN_JPEG_EOF);
    cinfo->src->next_input_byte = kEndOfImage;
    cinfo->src->bytes_in_buffer = 2;
    return TRUE;
}

void skipInputData(j_decompress_ptr cinfo, long count) {
    jpeg_source_mgr* src = cinfo->src;
    if (count <= 0) return;
    while (static_cast<unsigned long>(count) > src->bytes_in_buffer) {
        count -= static_cast<long>(src->bytes_in_buffer);
        fillInputBuffer(cinfo);  // never fails; the marker it gives is never skipped past twice
        if (src->bytes_in_buffer == 2 && src->next_input_byte == kEndOfImage) {
            // Skipping into the fake marker would lose it: stop in front of it.
            return;
        }
    }
    src->next_input_byte += count;
    src->bytes_in_buffer -= static_cast<std::size_t>(count);
}

void termSource(j_decompress_ptr) {}

void checkScanCount(j_common_ptr common) {
    const auto cinfo = reinterpret_cast<j_decompress_ptr>(common);
    if (cinfo->is_decompressor && cinfo->input_scan_number > kMaxScans) abandonDecode(common);
}

struct Session {
    jpeg_decompress_struct cinfo;
    ErrorManager error;
    MemorySource source;
    jpeg_progress_mgr progress;
};

void prepare(Session* s, const std::uint8_t* bytes, std::size_t size) {
    s->cinfo.err = jpeg_std_error(&s->error.base);
    s->error.base.error_exit = abandonDecode;
    s->error.base.emit_message = ignoreMessage;
    s->error.base.output_message = ignoreOutput;
    s->source.base.init_source = initSource;
    s->source.base.fill_input_buffer = fillInputBuffer;
    s->source.base.skip_input_data = skipInputData;
    s->source.base.resync_to_restart = jpeg_resync_to_restart;
    s->source.base.term_source = termSource;
    s->source.base.next_input_byte = bytes;
    s->source.base.bytes_in_buffer = size;
    s->progress.progress_monitor = checkScanCount;
}

// Step 1: create the decompressor and read the header. False on a fatal error.
bool readHeader(Session* s) {
    if (setjmp(s->error.jump)) return false;
    jpeg_create_decompress(&s->cinfo);
    s->cinfo.src = &s->source.base;
    s->cinfo.progress = &s->progress;
    s->cinfo.mem->max_memory_to_use = kMaxLibraryMemory;
    if (jpeg_read_header(&s->cinfo, TRUE) != JPEG_HEADER_OK) return false;
    // One or three components come out as red, green, blue (grey repeated);
    // four-component files come out as CMYK and are converted afterwards.
    switch (s->cinfo.jpeg_color_space) {
        case JCS_CMYK:
        case JCS_YCCK: s->cinfo.out_color_space = JCS_CMYK; break;
        default: s->cinfo.out_color_space = JCS_RGB; break;
    }
    jpeg_calc_output_dimensions(&s->cinfo);
    return true;
}

// Step 2: decode every scanline; rows[i] points at output row i. False on a
// fatal error.
bool readScanlines(Session* s, JSAMPROW* rows) {
    if (setjmp(s->error.jump)) return false;
    if (!jpeg_start_decompress(&s->cinfo)) return false;
    while (s->cinfo.output_scanline < s->cinfo.output_height) {
        const JDIMENSION before = s->cinfo.output_scanline;
        jpeg_read_scanlines(&s->cinfo, rows + before, s->cinfo.output_height - before);
        if (s->cinfo.output_scanline == before) return false;  // no progress: never loop for ever
    }
    return true;
}

// Adobe programs store CMYK inverted (0 is full ink), and so do the files
// libjpeg converts from YCCK; both come out of the library in that form.
void cmykToRgb(const std::uint8_t* cmyk, std::uint8_t* rgb, std::uint64_t pixels, bool inverted) {
    for (std::uint64_t i = 0; i < pixels; ++i, cmyk += 4, rgb += 3) {
        unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        rgb[0] = static_cast<std::uint8_t>((c * k + 127) / 255);
        rgb[1] = static_cast<std::uint8_t>((m * k + 127) / 255);
        rgb[2] = static_cast<std::uint8_t>((y * k + 127) / 255);
    }
}

// Destroys the decompressor whatever happened; destroying never fails.
struct SessionGuard {
    Session* s;
    bool created = false;
    ~SessionGuard() {
        if (created) jpeg_destroy_decompress(&s->cinfo);
    }
};

}  // namespace

std::optional<Picture> decodeJpeg(std::span<const std::uint8_t> bytes) {
    Session session{};
    prepare(&session, bytes.data(), bytes.size());
    SessionGuard guard{&session};
    guard.created = true;  // jpeg_create_decompress runs first in readHeader; destroying a half-made one is safe
    if (!readHeader(&session)) return std::nullopt;

    const jpeg_decompress_struct& info = session.cinfo;
    const bool cmyk = info.out_color_space == JCS_CMYK;
    if (info.output_components != (cmyk ? 4 : 3)) return std::nullopt;

    Picture picture;
    if (!allocatePicture(picture, PictureKind::Jpeg, info.output_width, info.output_height)) return std::nullopt;
    const std::uint64_t width = info.output_width;
    const std::uint64_t height = info.output_height;
    const std::uint64_t stride = width * static_cast<std::uint64_t>(info.output_components);
    std::vector<std::uint8_t> cmykPixels;
    std::uint8_t* target = picture.rgb.data();
    if (cmyk) {
        cmykPixels.resize(static_cast<std::size_t>(stride * height));
        target = cmykPixels.data();
    }
    std::vector<JSAMPROW> rows(static_cast<std::size_t>(height));
    for (std::uint64_t y = 0; y < height; ++y) rows[y] = target + y * stride;

    if (!readScanlines(&session, rows.data())) return std::nullopt;
    if (cmyk) cmykToRgb(cmykPixels.data(), picture.rgb.data(), width * height, session.cinfo.saw_Adobe_marker != 0);
    // Trailing data after the image is of no interest; the decoder is simply destroyed.
    return picture;
}

}  // namespace qv::detail
