#pragma once
// Turns a file's bytes into a C++ source file that defines
// qv::defaultTilesetGif() over them. The bytes go into one string literal,
// which compilers read far faster than a list of numbers.
#include <cstdint>
#include <span>
#include <string>

namespace qv::tileset {

std::string embedTilesetSource(std::span<const std::uint8_t> bytes);

}  // namespace qv::tileset
