#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <new>
#include <stdexcept>

#include "document/FileIo.h"
#include "picture/LargeBuffer.h"

namespace qv {
namespace {

// Large reads keep the system-call count low on multi-gigabyte maps; Linux
// moves at most about 2 GiB per call anyway.
constexpr std::size_t kReadChunk = std::size_t{1} << 30;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

Bytes readFile(const std::string& path) {
    if (path.empty()) return {};

    // O_NONBLOCK keeps a FIFO from blocking the open; only regular files are read.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0) return {};
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0) return {};

    const std::uint64_t size = static_cast<std::uint64_t>(info.st_size);
    Bytes bytes;
    try {
        if (size > bytes.max_size()) return {};
        // One allocation of the file's size, its pages faulted in at once.
        bytes.reserve(static_cast<std::size_t>(size));
        prepareLargeBuffer(bytes.data(), bytes.capacity());
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return {};
    } catch (const std::length_error&) {
        return {};
    }
    ::posix_fadvise(file.get(), 0, 0, POSIX_FADV_SEQUENTIAL);

    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t want = std::min(bytes.size() - done, kReadChunk);
        const ssize_t got = ::read(file.get(), bytes.data() + done, want);
        if (got < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (got == 0) break;  // the file shrank since it was measured
        done += static_cast<std::size_t>(got);
    }
    // A short read gives the bytes that could be read.
    bytes.resize(done);
    return bytes;
}

}  // namespace qv
