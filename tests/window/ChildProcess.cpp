#include "tests/window/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace qv::test {
namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> flatten(const Environment& environment) {
    std::vector<std::string> result;
    for (const auto& [name, value] : environment) result.push_back(name + "=" + value);
    return result;
}

// Runs in the forked child: only async-signal-safe calls until exec.
[[noreturn]] void becomeChild(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                              pid_t parent) {
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The parent may have died between fork and prctl.
    if (::getppid() != parent) ::_exit(127);
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char*> env;
    for (const auto& e : environment) env.push_back(const_cast<char*>(e.c_str()));
    env.push_back(nullptr);
    ::execvpe(args[0], args.data(), env.data());
    ::_exit(127);
}

int exitCodeOf(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

void killGroup(pid_t pid) {
    ::kill(-pid, SIGKILL);
    ::kill(pid, SIGKILL);
}

}  // namespace

Environment environmentWith(const Environment& overrides) {
    Environment result;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry(*e);
        const auto eq = entry.find('=');
        if (eq != std::string::npos) result[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    for (const auto& [name, value] : overrides) result[name] = value;
    return result;
}

CommandResult runCommand(const std::vector<std::string>& argv, const Environment& environment,
                         std::chrono::milliseconds timeout, const std::string& input) {
    int in[2], out[2], err[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    const auto env = flatten(environment);
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        ::dup2(in[0], 0);
        ::dup2(out[1], 1);
        ::dup2(err[1], 2);
        becomeChild(argv, env, parent);
    }
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    ::fcntl(in[1], F_SETFL, O_NONBLOCK);
    ::signal(SIGPIPE, SIG_IGN);

    CommandResult result;
    std::size_t written = 0;
    int inFd = in[1];
    if (input.empty()) {
        ::close(inFd);
        inFd = -1;
    }
    int outFd = out[0], errFd = err[0];
    const auto deadline = Clock::now() + timeout;
    char buffer[65536];
    while (outFd >= 0 || errFd >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            result.timedOut = true;
            break;
        }
        pollfd fds[3];
        int n = 0;
        if (outFd >= 0) fds[n++] = {outFd, POLLIN, 0};
        if (errFd >= 0) fds[n++] = {errFd, POLLIN, 0};
        if (inFd >= 0) fds[n++] = {inFd, POLLOUT, 0};
        if (::poll(fds, static_cast<nfds_t>(n), static_cast<int>(left)) < 0 && errno != EINTR) break;
        for (int i = 0; i < n; ++i) {
            if (fds[i].revents == 0) continue;
            if (fds[i].fd == inFd) {
                const ssize_t w = ::write(inFd, input.data() + written, input.size() - written);
                if (w > 0) written += static_cast<std::size_t>(w);
                if (w < 0 && errno != EAGAIN) written = input.size();
                if (written == input.size()) {
                    ::close(inFd);
                    inFd = -1;
                }
                continue;
            }
            const ssize_t r = ::read(fds[i].fd, buffer, sizeof buffer);
            if (r > 0) {
                (fds[i].fd == outFd ? result.output : result.errors).append(buffer, static_cast<std::size_t>(r));
            } else if (r == 0 || errno != EINTR) {
                ::close(fds[i].fd);
                (fds[i].fd == outFd ? outFd : errFd) = -1;
            }
        }
    }
    for (int fd : {inFd, outFd, errFd})
        if (fd >= 0) ::close(fd);

    int status = 0;
    if (result.timedOut) {
        killGroup(pid);
        ::waitpid(pid, &status, 0);
        return result;
    }
    // Both output pipes are closed; the exit itself is near, but still bounded.
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() >= deadline) {
            result.timedOut = true;
            killGroup(pid);
            ::waitpid(pid, &status, 0);
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    result.exitCode = exitCodeOf(status);
    return result;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const Environment& environment,
                           const std::string& logFile, int extraFd) {
    const int log = ::open(logFile.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    const int null = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    const auto env = flatten(environment);
    const pid_t parent = ::getpid();
    pid_ = ::fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        ::dup2(null, 0);
        ::dup2(log, 1);
        ::dup2(log, 2);
        if (extraFd >= 0) {
            // dup2 onto itself would keep close-on-exec; clear it instead.
            ::fcntl(extraFd, F_SETFD, 0);
        }
        becomeChild(argv, env, parent);
    }
    ::close(log);
    ::close(null);
}

ChildProcess::~ChildProcess() { kill(); }

bool ChildProcess::running() { return !waitForExit(std::chrono::milliseconds(0)).has_value(); }

std::optional<int> ChildProcess::waitForExit(std::chrono::milliseconds timeout) {
    if (exitCode_) return exitCode_;
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        int status = 0;
        const pid_t r = ::waitpid(pid_, &status, WNOHANG);
        if (r == pid_ || (r < 0 && errno == ECHILD)) {
            exitCode_ = r == pid_ ? exitCodeOf(status) : -1;
            return exitCode_;
        }
        if (Clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void ChildProcess::kill() {
    if (pid_ <= 0) return;
    if (!exitCode_) {
        // Asked first, so that the X server removes its socket; forced when
        // it does not end soon.
        ::kill(-pid_, SIGTERM);
        if (!waitForExit(std::chrono::seconds(3))) {
            killGroup(pid_);
            int status = 0;
            ::waitpid(pid_, &status, 0);
        }
        ::kill(-pid_, SIGKILL);  // anything left in its group
        exitCode_ = -1;
    }
    pid_ = -1;
}

}  // namespace qv::test
