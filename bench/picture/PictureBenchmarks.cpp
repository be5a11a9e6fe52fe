#include "PictureBenchmarks.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>

#include "BenchInputs.h"
#include "PeerDecoders.h"
#include "picture/LargeBuffer.h"
#include "picture/PictureFiles.h"

namespace qv::bench {
namespace {

using InputOf = const BenchInput& (*)();

// Throughput in megapixels per second of the picture's own size, so a
// decoder and its memcpy limit are counted alike.
void countPixels(benchmark::State& state, std::int64_t pixelsPerIteration) {
    state.counters["Mpx"] = benchmark::Counter(static_cast<double>(state.iterations()) * static_cast<double>(pixelsPerIteration) / 1e6,
                                               benchmark::Counter::kIsRate);
}

// The first decode is checked against the input's pixels, so a decoder that
// gives none or gives garbage cannot post a figure.
void decodeOurs(benchmark::State& state, InputOf inputOf) {
    const BenchInput& input = inputOf();
    const std::optional<Picture> first = decodePicture(input.bytes);
    std::string wrong = "decodePicture gave none";
    if (first && first->rgb.size() != static_cast<std::size_t>(first->width) * static_cast<std::size_t>(first->height) * 3u)
        wrong = "pixel buffer of the wrong length";
    else if (first)
        wrong = differenceFrom(input, first->width, first->height, first->rgb.data(), &first->mask);
    if (!wrong.empty()) {
        state.SkipWithError(("our decode is wrong: " + wrong).c_str());
        return;
    }
    for (auto _ : state) {
        std::optional<Picture> picture = decodePicture(input.bytes);
        benchmark::DoNotOptimize(picture);
    }
    countPixels(state, input.pixels());
}

void decodePeer(benchmark::State& state, InputOf inputOf, DecodedRgb (*decode)(std::span<const std::uint8_t>), bool exact) {
    const BenchInput& input = inputOf();
    const DecodedRgb first = decode(input.bytes);
    std::string wrong;
    if (first.rgb() == nullptr) wrong = "no picture";
    else if (first.width != input.width || first.height != input.height) wrong = "wrong size";
    else if (exact) wrong = differenceFrom(input, first.width, first.height, first.rgb());
    if (!wrong.empty()) {
        state.SkipWithError(("peer decode is wrong: " + wrong).c_str());
        return;
    }
    for (auto _ : state) {
        DecodedRgb picture = decode(input.bytes);
        benchmark::DoNotOptimize(picture.rgb());
    }
    countPixels(state, input.pixels());
}

// For information: copying the output bytes into memory that is already
// mapped, with no allocation at all.
void copyOutputIntoMappedMemory(benchmark::State& state, InputOf inputOf) {
    const BenchInput& input = inputOf();
    std::vector<std::uint8_t> into(input.rgb.size(), 1);
    for (auto _ : state) {
        std::memcpy(into.data(), input.rgb.data(), input.rgb.size());
        benchmark::DoNotOptimize(into.data());
        benchmark::ClobberMemory();
    }
    countPixels(state, input.pixels());
}

// The floor for a result returned in a fresh buffer: allocated the way our
// decoders and encoder allocate theirs (qv::assignLarge: huge pages, faulted
// in at once, filled), then the copy.
void copyOutputIntoAssignLarge(benchmark::State& state, InputOf inputOf) {
    const BenchInput& input = inputOf();
    for (auto _ : state) {
        Bytes into;
        assignLarge<std::uint8_t>(into, input.rgb.size(), 0);
        std::memcpy(into.data(), input.rgb.data(), input.rgb.size());
        benchmark::DoNotOptimize(into.data());
        benchmark::ClobberMemory();
    }
    countPixels(state, input.pixels());
}

// For information: a plain value-initialised vector, whose pages fault in
// one by one as the fill touches them.
void copyOutputIntoPlainVector(benchmark::State& state, InputOf inputOf) {
    const BenchInput& input = inputOf();
    for (auto _ : state) {
        Bytes into(input.rgb.size());
        std::memcpy(into.data(), input.rgb.data(), input.rgb.size());
        benchmark::DoNotOptimize(into.data());
        benchmark::ClobberMemory();
    }
    countPixels(state, input.pixels());
}

std::string differenceFromSurface(const Bytes& file, const Surface& surface) {
    const std::size_t w = static_cast<std::size_t>(surface.width);
    const std::size_t stride = (w * 3 + 3) / 4 * 4;
    if (file.size() != 54 + stride * static_cast<std::size_t>(surface.height)) return "file of the wrong length";
    for (std::int32_t y = 0; y < surface.height; ++y) {
        const std::uint8_t* row = file.data() + 54 + stride * static_cast<std::size_t>(surface.height - 1 - y);
        for (std::size_t x = 0; x < w; ++x) {
            const std::uint32_t px = surface.row(y)[x];
            if (row[x * 3] != static_cast<std::uint8_t>(px) || row[x * 3 + 1] != static_cast<std::uint8_t>(px >> 8) ||
                row[x * 3 + 2] != static_cast<std::uint8_t>(px >> 16))
                return "pixel bytes differ from the surface";
        }
    }
    return {};
}

void encodeOurs(benchmark::State& state) {
    const Surface& surface = mapSurfaceLarge();
    const std::string wrong = differenceFromSurface(encodeBmp24(surface), surface);
    if (!wrong.empty()) {
        state.SkipWithError(("our encode is wrong: " + wrong).c_str());
        return;
    }
    for (auto _ : state) {
        Bytes file = encodeBmp24(surface);
        benchmark::DoNotOptimize(file.data());
    }
    countPixels(state, std::int64_t{surface.width} * surface.height);
}

// Encoding limits: copying the finished file's pixel bytes.
const BenchInput& encodedMap() {
    static const BenchInput input = [] {
        const Surface& surface = mapSurfaceLarge();
        BenchInput in;
        in.width = surface.width;
        in.height = surface.height;
        in.rgb = encodeBmp24(surface);
        in.rgb.erase(in.rgb.begin(), in.rgb.begin() + std::min<std::ptrdiff_t>(54, static_cast<std::ptrdiff_t>(in.rgb.size())));
        return in;
    }();
    return input;
}

void add(const std::string& name, std::function<void(benchmark::State&)> run, benchmark::TimeUnit unit = benchmark::kMillisecond) {
    benchmark::RegisterBenchmark(name.c_str(), [run](benchmark::State& state) { run(state); })->Unit(unit);
}

}  // namespace

void registerPictureBenchmarks() {
    add("decode/gif/ours", [](benchmark::State& s) { decodeOurs(s, gifTileset); });
    add("decode/gif/stb", [](benchmark::State& s) { decodePeer(s, gifTileset, decodeWithStb, true); });
    add("decode/gif/giflib", [](benchmark::State& s) { decodePeer(s, gifTileset, decodeGifWithGiflib, true); });

    add("decode/bmp24/ours", [](benchmark::State& s) { decodeOurs(s, bmp24Large); });
    add("decode/bmp24/stb", [](benchmark::State& s) { decodePeer(s, bmp24Large, decodeWithStb, true); });
    add("decode/bmp24/assignLarge+memcpy", [](benchmark::State& s) { copyOutputIntoAssignLarge(s, bmp24Large); });
    add("decode/bmp24/mapped+memcpy", [](benchmark::State& s) { copyOutputIntoMappedMemory(s, bmp24Large); });
    add("decode/bmp24/vector+memcpy", [](benchmark::State& s) { copyOutputIntoPlainVector(s, bmp24Large); });

    add("decode/jpeg/ours", [](benchmark::State& s) { decodeOurs(s, jpegPhoto); });
    // Other IDCT and upsampling: only the size is compared.
    add("decode/jpeg/stb", [](benchmark::State& s) { decodePeer(s, jpegPhoto, decodeWithStb, false); });
    add("decode/jpeg/libjpeg", [](benchmark::State& s) { decodePeer(s, jpegPhoto, decodeJpegWithLibjpeg, true); });

    add("decode/pcx8/ours", [](benchmark::State& s) { decodeOurs(s, pcx8Large); });
    add("decode/icon/ours", [](benchmark::State& s) { decodeOurs(s, icon32); }, benchmark::kMicrosecond);

    add("encode/bmp24/ours", encodeOurs);
    add("encode/bmp24/assignLarge+memcpy", [](benchmark::State& s) { copyOutputIntoAssignLarge(s, encodedMap); });
    add("encode/bmp24/mapped+memcpy", [](benchmark::State& s) { copyOutputIntoMappedMemory(s, encodedMap); });
    add("encode/bmp24/vector+memcpy", [](benchmark::State& s) { copyOutputIntoPlainVector(s, encodedMap); });
}

}  // namespace qv::bench
