#pragma once
// Whole-file reading and writing. Nothing here reports an error.
#include <cstdint>
#include <functional>
#include <string>

#include "picture/Picture.h"

namespace qv {

// The whole file; empty bytes for an empty path, a file that cannot be read
// or an empty file.
Bytes readFile(const std::string& path);

// Replaces the file with data. The old file is replaced atomically: a write
// that fails leaves it as it was and leaves no temporary file behind. Where no
// temporary file can be made beside the target but the target is writable,
// the file is written in place. False on failure and for an empty path.
bool writeFile(const std::string& path, const Bytes& data);

// Puts length bytes of a file, from offset on, into chunk; false when it
// cannot. It may be asked for the same bytes more than once and must give the
// same answer each time.
using FileFiller = std::function<bool(std::uint8_t* chunk, std::uint64_t offset, std::uint64_t length)>;

// writeFile for a file of size bytes made a chunk of a few MiB at a time by
// fill, so its whole content never has to be in memory. A fill that fails
// fails the write, which then leaves the old file as it was (in place too:
// there every chunk is asked for once before the first byte is written).
bool writeFileFrom(const std::string& path, std::uint64_t size, const FileFiller& fill);

}  // namespace qv
