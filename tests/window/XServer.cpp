#include "tests/window/XServer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

namespace qv::test {

XServer::XServer(const std::string& logFile, std::chrono::milliseconds timeout) {
    int ready[2];
    if (::pipe2(ready, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    server_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"Xvfb", "-screen", "0", "1920x1080x24", "-nolisten", "tcp", "-noreset", "-displayfd",
                                 std::to_string(ready[1])},
        environmentWith({}), logFile, ready[1]);
    ::close(ready[1]);

    // The server writes its display number once it accepts connections.
    std::string number;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0) break;
        pollfd fd{ready[0], POLLIN, 0};
        if (::poll(&fd, 1, static_cast<int>(left)) <= 0) continue;
        char c = 0;
        if (::read(ready[0], &c, 1) != 1) break;
        if (c == '\n') break;
        number.push_back(c);
    }
    ::close(ready[0]);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
        throw std::runtime_error("the X server did not start (see " + logFile + ")");
    display_ = ":" + number;

    struct stat socket {};
    if (::stat(("/tmp/.X11-unix/X" + number).c_str(), &socket) != 0)
        throw std::runtime_error("the X server reported " + display_ + " but has no socket");
}

}  // namespace qv::test
