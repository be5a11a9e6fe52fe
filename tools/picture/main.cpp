// quorvane-picture: the picture layer from the command line.
//   quorvane-picture kind FILE            prints the sniffed kind
//   quorvane-picture decode FILE OUT.ppm  writes the decoded picture, or prints "none" (exit 1)
//   quorvane-picture snapshot IN.ppm OUT.bmp  writes the 24-bit BMP of a PPM picture
// OUT may be "-" for standard output. Exit codes: 0 done, 1 failed, 2 usage.
#include <cstdio>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <new>
#include <optional>
#include <string>

#include "picture/PictureFiles.h"
#include "tools/picture/Ppm.h"

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

std::optional<qv::Bytes> readWholeFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::nullopt;
    qv::Bytes bytes;
    bool ok = true;
    try {
        std::uint8_t chunk[1 << 16];
        std::size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
        ok = !std::ferror(file);  // a folder opens but cannot be read
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    std::fclose(file);
    if (!ok) return std::nullopt;
    return bytes;
}

bool writeWholeFile(const std::string& path, const qv::Bytes& bytes) {
    if (path == "-") {
        const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
        return std::fflush(stdout) == 0 && ok;
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

const char* kindName(qv::PictureKind kind) {
    switch (kind) {
        case qv::PictureKind::Bmp: return "Bmp";
        case qv::PictureKind::Jpeg: return "Jpeg";
        case qv::PictureKind::Icon: return "Icon";
        case qv::PictureKind::Cursor: return "Cursor";
        case qv::PictureKind::Gif: return "Gif";
        case qv::PictureKind::Pcx8: return "Pcx8";
        case qv::PictureKind::Pcx1: return "Pcx1";
        case qv::PictureKind::Unrecognised: return "Unrecognised";
    }
    return "Unrecognised";
}

int usage() {
    std::cerr << "usage: quorvane-picture kind FILE | decode FILE OUT.ppm | snapshot IN.ppm OUT.bmp  (OUT may be -)\n";
    return kUsage;
}

int fail(const std::string& what, const std::string& path) {
    std::cerr << "quorvane-picture: " << what << ": " << path << "\n";
    return kFailed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string command = argv[1];
    const bool kind = command == "kind" && argc == 3;
    const bool decode = command == "decode" && argc == 4;
    const bool snapshot = command == "snapshot" && argc == 4;
    if (!kind && !decode && !snapshot) return usage();

    const std::string input = argv[2];
    const auto bytes = readWholeFile(input);
    if (!bytes) return fail("cannot read", input);

    if (kind) {
        std::cout << kindName(qv::sniffPictureKind(*bytes)) << "\n";
        return 0;
    }
    const std::string output = argv[3];
    if (decode) {
        const auto picture = qv::decodePicture(*bytes);
        if (!picture) {
            std::cout << "none\n";
            return kFailed;
        }
        const qv::Bytes ppm = qv::writePpm(*picture);
        if (ppm.empty()) return fail("out of memory", input);
        if (!writeWholeFile(output, ppm)) return fail("cannot write", output);
        return 0;
    }
    const auto surface = qv::readPpm(*bytes);
    if (!surface) return fail("not a binary PPM picture", input);
    const qv::Bytes bmp = qv::encodeBmp24(*surface);
    if (bmp.empty()) return fail("cannot encode", input);
    if (!writeWholeFile(output, bmp)) return fail("cannot write", output);
    return 0;
}
