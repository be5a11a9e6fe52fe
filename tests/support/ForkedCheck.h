#pragma once
// Runs a check in a forked child, for what must not touch the test process:
// resource limits, dropped privileges, signals that would end it.
#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace qv::test {

// Root ignores permission bits, so permission checks run as this user.
inline constexpr uid_t kUnprivilegedId = 65534;

inline bool runningAsRoot() { return ::geteuid() == 0; }

// Hands a file to the user that runInChild(..., dropPrivileges) runs as.
inline bool giveToChildUser(const std::string& path) {
    return !runningAsRoot() || ::chown(path.c_str(), kUnprivilegedId, kUnprivilegedId) == 0;
}

// Runs body in a child and expects it to end normally with 0; a non-zero
// result names the check that failed. With dropPrivileges a root test
// process first becomes an unprivileged user.
inline ::testing::AssertionResult runInChild(const std::function<int()>& body, bool dropPrivileges = false) {
    const pid_t child = ::fork();
    if (child < 0) return ::testing::AssertionFailure() << "fork failed";
    if (child == 0) {
        if (dropPrivileges && runningAsRoot()) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(kUnprivilegedId) != 0 || ::setuid(kUnprivilegedId) != 0)
                ::_exit(100);
        }
        ::_exit(body());
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    if (WIFSIGNALED(status)) return ::testing::AssertionFailure() << "child ended by signal " << WTERMSIG(status);
    if (!WIFEXITED(status)) return ::testing::AssertionFailure() << "child did not exit";
    if (WEXITSTATUS(status) != 0) return ::testing::AssertionFailure() << "child check " << WEXITSTATUS(status) << " failed";
    return ::testing::AssertionSuccess();
}

}  // namespace qv::test
