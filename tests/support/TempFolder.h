#pragma once
// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes. Readable by every user, so that tests which
// drop privileges in a child process can still reach it.
#include <string>
#include <vector>

#include "picture/Picture.h"

namespace qv::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

    // Names in the folder, sorted, without "." and "..".
    std::vector<std::string> names() const;

private:
    std::string path_;
};

// Names in a folder, sorted, without "." and "..".
std::vector<std::string> namesIn(const std::string& folder);

// The whole file as bytes, read with the standard library (not readFile);
// empty for anything but a regular file.
Bytes fileBytes(const std::string& path);
// Creates or replaces the file with the bytes, with the standard library.
void putFile(const std::string& path, const Bytes& bytes);
void putFile(const std::string& path, const std::string& text);
bool fileExists(const std::string& path);

}  // namespace qv::test
