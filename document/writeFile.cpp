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
#include <random>

#include "document/FileIo.h"

namespace qv {
namespace {

constexpr std::size_t kWriteChunk = std::size_t{1} << 30;

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

bool writeAll(int fd, const Bytes& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const std::size_t want = std::min(data.size() - done, kWriteChunk);
        const ssize_t put = ::write(fd, data.data() + done, want);
        if (put < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (put == 0) return false;
        done += static_cast<std::size_t>(put);
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
// leave the old file whole.
bool writeInPlace(const std::string& target, const Bytes& data, bool mayCreate) {
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
        static_cast<std::uint64_t>(data.size()) > static_cast<std::uint64_t>(limit.rlim_cur)) {
        ::close(fd);
        return false;
    }
    if (!data.empty() && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(data.size())) != 0 &&
        (errno == ENOSPC || errno == EDQUOT || errno == EFBIG)) {
        ::close(fd);
        return false;
    }
    // Overwriting before cutting keeps the blocks the old file already holds.
    const bool written = writeAll(fd, data) && ::ftruncate(fd, static_cast<off_t>(data.size())) == 0;
    const bool synced = syncAndClose(fd);
    return written && synced;
}

}  // namespace

bool writeFile(const std::string& path, const Bytes& data) {
    if (path.empty()) return false;
    const FileSizeSignalGuard signalGuard;

    // Nothing old to lose behind a dangling link: write through it, which
    // creates the file it names.
    if (isDanglingLink(path)) return writeInPlace(path, data, true);

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
        if (exists && folderRefusesNewFiles(errno)) return writeInPlace(target, data, false);
        return false;
    }
    if (exists) {
        // The replacement keeps the old file's owner where allowed and its
        // permission bits (chown first: it may clear set-id bits).
        // Without the right to give it away the new file stays ours.
        [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
        ::fchmod(fd, old.st_mode & 07777);
    }

    const bool written = writeAll(fd, data);
    const bool synced = syncAndClose(fd);
    if (!written || !synced) {
        ::unlink(temporaryPath.c_str());
        return false;
    }
    if (::rename(temporaryPath.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporaryPath.c_str());
        // A target that is a mount point of its own cannot be renamed over.
        if (exists && (error == EXDEV || error == EBUSY)) return writeInPlace(target, data, false);
        return false;
    }
    syncFolder(split.folder);
    return true;
}

}  // namespace qv
