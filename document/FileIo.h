#pragma once
// Whole-file reading and writing. Nothing here reports an error.
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

}  // namespace qv
