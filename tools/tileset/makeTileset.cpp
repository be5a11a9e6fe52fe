// quorvane-make-tileset: draws the default tileset and writes it as a GIF,
// as a C++ source embedding that GIF, and optionally as raw RGB bytes (the
// colours the GIF must decode to, for checking the encoder).
//
//   quorvane-make-tileset --gif out.gif [--cpp out.cpp] [--raw out.rgb]
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "tools/tileset/EmbedSource.h"
#include "tools/tileset/GifWriter.h"
#include "tools/tileset/TilesetSheet.h"

namespace {

bool writeFile(const std::string& path, const void* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace qv::tileset;
    std::string gifPath, cppPath, rawPath;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--gif") == 0) gifPath = argv[i + 1];
        else if (std::strcmp(argv[i], "--cpp") == 0) cppPath = argv[i + 1];
        else if (std::strcmp(argv[i], "--raw") == 0) rawPath = argv[i + 1];
        else {
            std::fprintf(stderr, "unknown option %s\n", argv[i]);
            return 2;
        }
    }
    if (gifPath.empty() || argc % 2 == 0) {
        std::fprintf(stderr, "usage: %s --gif out.gif [--cpp out.cpp] [--raw out.rgb]\n", argv[0]);
        return 2;
    }

    const Canvas sheet = drawTilesetSheet();
    const auto& colours = Palette::get().colours();
    GifImage image{sheet.width(), sheet.height(), {colours.begin(), colours.end()}, sheet.pixels(), kClear};
    const std::vector<std::uint8_t> gif = writeGif(image);
    if (gif.empty() || !writeFile(gifPath, gif.data(), gif.size())) {
        std::fprintf(stderr, "cannot write %s\n", gifPath.c_str());
        return 1;
    }
    if (!cppPath.empty()) {
        const std::string source = embedTilesetSource(gif);
        if (!writeFile(cppPath, source.data(), source.size())) {
            std::fprintf(stderr, "cannot write %s\n", cppPath.c_str());
            return 1;
        }
    }
    if (!rawPath.empty()) {
        std::vector<std::uint8_t> rgb;
        rgb.reserve(sheet.pixels().size() * 3);
        for (const std::uint8_t i : sheet.pixels()) {
            rgb.push_back(colours[i].r);
            rgb.push_back(colours[i].g);
            rgb.push_back(colours[i].b);
        }
        if (!writeFile(rawPath, rgb.data(), rgb.size())) {
            std::fprintf(stderr, "cannot write %s\n", rawPath.c_str());
            return 1;
        }
    }
    return 0;
}
