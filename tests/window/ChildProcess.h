#pragma once
// Child processes for the window tests: every one runs in its own process
// group and dies with the test process (PR_SET_PDEATHSIG), so a failing or
// killed test leaves no X server or editor behind.
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qv::test {

using Environment = std::map<std::string, std::string>;

// The test process's own environment with the given names replaced or added.
Environment environmentWith(const Environment& overrides);

struct CommandResult {
    bool timedOut = false;
    int exitCode = -1;  // -1 when it was killed or did not exit normally
    std::string output;  // standard output
    std::string errors;  // standard error
};

// Runs a command to its end, feeding `input` to its standard input; kills it
// after `timeout`.
CommandResult runCommand(const std::vector<std::string>& argv, const Environment& environment,
                         std::chrono::milliseconds timeout, const std::string& input = {});

// A long-running child (the X server, the editor); killed with its group when
// the object goes unless it has ended before.
class ChildProcess {
public:
    // `extraFd`, when not -1, stays open in the child under the same number.
    ChildProcess(const std::vector<std::string>& argv, const Environment& environment, const std::string& logFile,
                 int extraFd = -1);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    bool running();
    // The exit code once it ended within the timeout (-1 for a signal), none
    // when it is still running.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);
    void kill();

private:
    pid_t pid_ = -1;
    std::optional<int> exitCode_;
};

}  // namespace qv::test
