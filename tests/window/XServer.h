#pragma once
// A virtual X server of its own for one test: 1920 x 1080 x 24, no TCP, on
// whatever display number is free (the server picks it and reports it), so
// tests can run side by side.
#include <chrono>
#include <memory>
#include <string>

#include "tests/window/ChildProcess.h"

namespace qv::test {

class XServer {
public:
    // Throws when the server does not come up within the timeout.
    XServer(const std::string& logFile, std::chrono::milliseconds timeout = std::chrono::seconds(15));

    // ":<n>"
    const std::string& display() const { return display_; }

private:
    std::unique_ptr<ChildProcess> server_;
    std::string display_;
};

}  // namespace qv::test
