#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <random>
#include <vector>

#include "document/FileIo.h"

namespace qv {
namespace {

// The file is produced and written this much at a time, through one buffer:
// large enough that each write() call moves plenty, small enough to stay
// near the cache and to cost nothing next to the map itself.
constexpr std::uint64_t kChunkBytes = std::uint64_t{4} << 20;

// A write beyond the file size limit raises SIGXFSZ, whose default action ends
// the process. While the guard lives the signal is blocked in this thread, so
// the write fails with EFBIG instead; a signal raised meanwhile is taken off
// again before the old mask comes back.
class FileSizeSignalGuard {
public:
    FileSizeSignalGuard() {
        sigset_t xfsz;
        sigemptyset(&xfsz);
        sigaddset(&xfsz, SIGXFSZ);
        pthread_sigmask(SIG_BLOCK, &xfsz, &oldMask_);
        sigset_t pending;
        sigpending(&pending);
        wasPending_ = sigismember(&pending, SIGXFSZ) == 1;
    }
    ~FileSizeSignalGuard() {
        sigset_t pending;
        sigpending(&pending);
        if (!wasPending_ && sigismember(&pending, SIGXFSZ) == 1) {
            sigset_t xfsz;
            sigemptyset(&xfsz);
            sigaddset(&xfsz, SIGXFSZ);
            const timespec now{0, 0};
            while (sigtimedwait(&xfsz, nullptr, &now) < 0 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &oldMask_, nullptr);
    }
    FileSizeSignalGuard(const FileSizeSignalGuard&) = delete;
    FileSizeSignalGuard& operator=(const FileSizeSignalGuard&) = delete;

private:
    sigset_t oldMask_{};
    bool wasPending_ = false;
};

bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t put = ::write(fd, data + done, size - done);
        if (put < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (put == 0) return false;
        done += static_cast<std::size_t>(put);
    }
    return true;
}

// Sends a large file to disk a window at a time while later chunks are still
// being made, and lets each window leave the page cache once it is on disk.
// A large map then passes through the same few windows of memory instead of
// gigabytes of fresh page cache, which are slow to fault in and which the
// map itself may need; the final fsync finds little left to do. Errors the
// disk reports here fail the write; anything else is left to that fsync.
class WritebackWindows {
public:
    explicit WritebackWindows(int fd) : fd_(fd) {}

    bool written(std::uint64_t end) {
        if (end - started_ < kWindow) return true;
        ::sync_file_range(fd_, static_cast<off_t>(started_), static_cast<off_t>(end - started_), SYNC_FILE_RANGE_WRITE);
        // The window before the one just started has had a whole window's
        // time to reach the disk; wait for it, then drop it from the cache.
        if (started_ >= kWindow) {
            const auto previous = static_cast<off_t>(done_);
            const auto length = static_cast<off_t>(started_ - done_);
            if (::sync_file_range(fd_, previous, length,
                                  SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER) != 0 &&
                (errno == EIO || errno == ENOSPC || errno == EDQUOT))
                return false;
            ::posix_fadvise(fd_, previous, length, POSIX_FADV_DONTNEED);
            done_ = started_;
        }
        started_ = end;
        return true;
    }

private:
    static constexpr std::uint64_t kWindow = std::uint64_t{32} << 20;
    int fd_;
    std::uint64_t done_ = 0;     // on disk and out of the cache below this
    std::uint64_t started_ = 0;  // sent to disk below this
};

// The file's bytes, asked of fill a chunk at a time and written as they come;
// with no file (fd -1) only asked for, to learn whether fill can give them all.
bool produceInto(int fd, std::uint64_t size, const FileFiller& fill, std::vector<std::uint8_t>& chunk) {
    WritebackWindows writeback(fd);
    for (std::uint64_t offset = 0; offset < size;) {
        const std::uint64_t length = std::min<std::uint64_t>(chunk.size(), size - offset);
        if (!fill(chunk.data(), offset, length)) return false;
        offset += length;
        if (fd < 0) continue;
        if (!writeAll(fd, chunk.data(), static_cast<std::size_t>(length)) || !writeback.written(offset)) return false;
    }
    return true;
}

// Closes whatever happens; true when both the flush to disk and the close worked.
bool syncAndClose(int fd) {
    int synced;
    do synced = ::fsync(fd);
    while (synced != 0 && errno == EINTR);
    const bool closed = ::close(fd) == 0;
    return synced == 0 && closed;
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

struct SplitPath {
    std::string folder;
    std::string name;
};

SplitPath splitPath(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// The file a write to path lands in: a symlinked map is written through its
// link, so the link itself stays.
std::string resolveTarget(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

bool isDanglingLink(const std::string& path) {
    struct stat link {};
    struct stat target {};
    return ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode) && ::stat(path.c_str(), &target) != 0;
}

// A hidden, unguessable name beside the target, created exclusively. The mode
// 0666 passes through the umask as any newly created file's would. -1 with
// errno set when no such file can be made.
int createTemporary(const SplitPath& target, std::string& temporaryPath) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    // Short enough that the name stays below the usual 255-byte limit.
    std::string stem = ".";
    stem.append(target.name, 0, 200);
    stem += ".tmp-";
    for (int attempt = 0; attempt < 64; ++attempt) {
        char suffix[17];
        std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(random()));
        temporaryPath = target.folder + "/" + stem + suffix;
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// True when the failure to make a file beside the target says the folder
// refuses new entries, while the target itself may still take a write.
bool folderRefusesNewFiles(int error) { return error == EACCES || error == EPERM || error == EROFS; }

// Writes the target where it lies, as a plain create-or-truncate would, for
// when no temporary file can stand beside it. Space and the file size limit
// are checked before the first byte changes, so the usual failures still
// leave the old file whole. The bytes are made twice on this rare path.
bool writeInPlace(const std::string& target, std::uint64_t size, const FileFiller& fill,
                  std::vector<std::uint8_t>& chunk, bool mayCreate) {
    // Once the old bytes are being overwritten there is no way back, so a
    // fill that would fail must fail before that.
    if (!produceInto(-1, size, fill, chunk)) return false;
    const int flags = O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | (mayCreate ? O_CREAT : 0);
    const int fd = ::open(target.c_str(), flags, 0666);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        size > static_cast<std::uint64_t>(limit.rlim_cur)) {
        ::close(fd);
        return false;
    }
    if (size > 0 && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) != 0 &&
        (errno == ENOSPC || errno == EDQUOT || errno == EFBIG)) {
        ::close(fd);
        return false;
    }
    // Overwriting before cutting keeps the blocks the old file already holds.
    const bool written = produceInto(fd, size, fill, chunk) && ::ftruncate(fd, static_cast<off_t>(size)) == 0;
    const bool synced = syncAndClose(fd);
    return written && synced;
}

}  // namespace

bool writeFileFrom(const std::string& path, std::uint64_t size, const FileFiller& fill) {
    if (path.empty()) return false;
    // A size no offset can reach is no file this machine can write.
    if (size > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max())) return false;
    std::vector<std::uint8_t> chunk;
    try {
        chunk.resize(static_cast<std::size_t>(std::clamp<std::uint64_t>(size, 1, kChunkBytes)));
    } catch (const std::bad_alloc&) {
        return false;
    }
    const FileSizeSignalGuard signalGuard;

    // Nothing old to lose behind a dangling link: write through it, which
    // creates the file it names.
    if (isDanglingLink(path)) return writeInPlace(path, size, fill, chunk, true);

    const std::string target = resolveTarget(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists) {
        // A folder, device or pipe is never replaced by a map file, and a
        // file the user may not write stays as it is.
        if (!S_ISREG(old.st_mode)) return false;
        if (::access(target.c_str(), W_OK) != 0) return false;
    }

    const SplitPath split = splitPath(target);
    std::string temporaryPath;
    const int fd = createTemporary(split, temporaryPath);
    if (fd < 0) {
        if (exists && folderRefusesNewFiles(errno)) return writeInPlace(target, size, fill, chunk, false);
        return false;
    }
    if (exists) {
        // The replacement keeps the old file's owner where allowed and its
        // permission bits (chown first: it may clear set-id bits).
        // Without the right to give it away the new file stays ours.
        [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
        ::fchmod(fd, old.st_mode & 07777);
    }

    const bool written = produceInto(fd, size, fill, chunk);
    const bool synced = syncAndClose(fd);
    if (!written || !synced) {
        ::unlink(temporaryPath.c_str());
        return false;
    }
    if (::rename(temporaryPath.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporaryPath.c_str());
        // A target that is a mount point of its own cannot be renamed over.
        if (exists && (error == EXDEV || error == EBUSY)) return writeInPlace(target, size, fill, chunk, false);
        return false;
    }
    syncFolder(split.folder);
    return true;
}

bool writeFile(const std::string& path, const Bytes& data) {
    return writeFileFrom(path, data.size(), [&data](std::uint8_t* chunk, std::uint64_t offset, std::uint64_t length) {
        std::memcpy(chunk, data.data() + offset, static_cast<std::size_t>(length));
        return true;
    });
}

}  // namespace qv
