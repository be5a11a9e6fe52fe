#include "tests/window/EditorSession.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include <gtest/gtest.h>

#include "tools/picture/Ppm.h"

namespace qv::test {
namespace {

using Clock = std::chrono::steady_clock;

std::string tail(const std::string& path, std::size_t bytes) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    const std::string text = all.str();
    return text.size() > bytes ? text.substr(text.size() - bytes) : text;
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string w; in >> w;) result.push_back(w);
    return result;
}

}  // namespace

bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        if (done()) return true;
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(50ms);
    }
}

EditorSession::EditorSession() {
    xLog_ = folder_.file("xvfb.log");
    programLog_ = folder_.file("quorvane.log");
    server_ = std::make_unique<XServer>(xLog_);

    // The program's settings, caches and dialog history stay in the test's
    // folder.
    const std::string home = folder_.file("home");
    const std::string runtime = folder_.file("runtime");
    ::mkdir(home.c_str(), 0700);
    ::mkdir(runtime.c_str(), 0700);
    environment_ = environmentWith({{"DISPLAY", server_->display()},
                                    {"HOME", home},
                                    {"XDG_CONFIG_HOME", home + "/.config"},
                                    {"XDG_CACHE_HOME", home + "/.cache"},
                                    {"XDG_DATA_HOME", home + "/.local/share"},
                                    {"XDG_RUNTIME_DIR", runtime},
                                    {"QT_QPA_PLATFORM", "xcb"},
                                    {"LANG", "C.UTF-8"}});
    for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
                             "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI", "QT_STYLE_OVERRIDE", "XAUTHORITY"})
        environment_.erase(name);

    program_ = std::make_unique<ChildProcess>(std::vector<std::string>{QV_EDITOR_PATH}, environment_, programLog_);

    const CommandResult found = xdotool({"search", "--sync", "--onlyvisible", "--name", "^Quorvane$"}, 20s);
    const auto ids = words(found.output);
    if (found.timedOut || ids.empty()) {
        dumpLogsOnFailure();
        throw std::runtime_error("the main window did not appear within 20 s");
    }
    window_ = ids.front();

    // Where the server put the pointer, so that moveTo knows a move from a
    // non-move.
    Point at;
    if (std::sscanf(xdotool({"getmouselocation"}).output.c_str(), "x:%d y:%d", &at.x, &at.y) == 2) pointer_ = at;
}

EditorSession::~EditorSession() {
    if (::testing::Test::HasFailure()) dumpLogsOnFailure();
    program_.reset();
    server_.reset();
}

void EditorSession::dumpLogsOnFailure() {
    std::cerr << "--- quorvane output (tail)\n" << tail(programLog_, 4000) << "--- Xvfb output (tail)\n"
              << tail(xLog_, 2000) << "---\n";
}

CommandResult EditorSession::xdotool(const std::vector<std::string>& args, std::chrono::milliseconds timeout) {
    std::vector<std::string> argv{"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    return runCommand(argv, environment_, timeout);
}

WindowGeometry EditorSession::geometry() {
    const CommandResult r = xdotool({"getwindowgeometry", "--shell", window_});
    WindowGeometry g;
    std::istringstream in(r.output);
    for (std::string line; std::getline(in, line);) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string name = line.substr(0, eq);
        const int value = std::atoi(line.c_str() + eq + 1);
        if (name == "X") g.x = value;
        if (name == "Y") g.y = value;
        if (name == "WIDTH") g.width = value;
        if (name == "HEIGHT") g.height = value;
    }
    return g;
}

std::vector<std::string> EditorSession::moveTo(Point screen) {
    std::vector<std::string> words{"mousemove"};
    // Without a known start, no wait: the move may be none.
    if (pointer_ && (pointer_->x != screen.x || pointer_->y != screen.y)) words.push_back("--sync");
    words.push_back(std::to_string(screen.x));
    words.push_back(std::to_string(screen.y));
    pointer_ = screen;
    return words;
}

void EditorSession::click(Point p) { clickEach({p}); }

void EditorSession::clickEach(const std::vector<Point>& points) {
    const Point origin = clientOrigin();
    std::vector<std::string> args;
    for (const Point& p : points) {
        for (const std::string& w : moveTo(origin + p)) args.push_back(w);
        // A pause after each click, so that clicks at different places
        // are never taken for a double click.
        for (const char* w : {"click", "1", "sleep", "0.02"}) args.push_back(w);
    }
    xdotool(args, 30s);
}

void EditorSession::drag(Point from, Point to) {
    const Point o = clientOrigin();
    const Point a = o + from, b = o + to;
    // A pause between the steps, as a hand makes, so each press, move and
    // release reaches the program as its own event.
    std::vector<std::string> args = moveTo(a);
    for (const char* w : {"sleep", "0.05", "mousedown", "1", "sleep", "0.05"}) args.push_back(w);
    for (const std::string& w : moveTo({(a.x + b.x) / 2, (a.y + b.y) / 2})) args.push_back(w);
    args.push_back("sleep");
    args.push_back("0.05");
    for (const std::string& w : moveTo(b)) args.push_back(w);
    for (const char* w : {"sleep", "0.05", "mouseup", "1"}) args.push_back(w);
    xdotool(args);
}

void EditorSession::typeText(const std::string& text) { xdotool({"type", "--delay", "15", "--", text}, 30s); }

void EditorSession::key(const std::string& keys) { xdotool({"key", "--delay", "30", keys}); }

void EditorSession::focusWindow(const std::string& id) { xdotool({"windowfocus", "--sync", id}); }

std::string EditorSession::focusedWindow() {
    const auto ids = words(xdotool({"getwindowfocus"}).output);
    return ids.empty() ? std::string() : ids.front();
}

Surface EditorSession::screenshot() {
    const CommandResult r = runCommand({"import", "-window", "root", "-depth", "8", "ppm:-"}, environment_, 30s);
    const auto* data = reinterpret_cast<const std::uint8_t*>(r.output.data());
    auto picture = readPpm(std::span<const std::uint8_t>(data, r.output.size()));
    if (!picture) throw std::runtime_error("no screenshot: " + r.errors);
    return std::move(*picture);
}

Surface EditorSession::clientShot() {
    const WindowGeometry g = geometry();
    const Surface screen = screenshot();
    Surface client(g.width, g.height, 0);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            const int sx = g.x + x, sy = g.y + y;
            if (sx >= 0 && sy >= 0 && sx < screen.width && sy < screen.height) client.row(y)[x] = screen.at(sx, sy);
        }
    return client;
}

Surface EditorSession::clientShotWhen(const std::function<bool(const Surface&)>& done,
                                      std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        Surface shot = clientShot();
        if (done(shot) || Clock::now() >= deadline) return shot;
        std::this_thread::sleep_for(100ms);
    }
}

std::vector<std::string> EditorSession::visibleWindows() {
    return words(xdotool({"search", "--onlyvisible", "--name", "."}).output);
}

std::string EditorSession::waitForDialog(std::chrono::milliseconds timeout) {
    return waitForNewWindow({window_}, timeout);
}

std::string EditorSession::waitForNewWindow(const std::vector<std::string>& known, std::chrono::milliseconds timeout) {
    std::string found;
    waitUntil(
        [&] {
            for (const std::string& id : visibleWindows())
                if (std::find(known.begin(), known.end(), id) == known.end()) found = id;
            return !found.empty();
        },
        timeout);
    return found;
}

bool EditorSession::waitForWindowGone(const std::string& id, std::chrono::milliseconds timeout) {
    return waitUntil(
        [&] {
            for (const std::string& shown : visibleWindows())
                if (shown == id) return false;
            return true;
        },
        timeout);
}

bool EditorSession::answerFileDialog(const std::string& path) {
    const std::string dialog = waitForDialog();
    if (dialog.empty()) return false;
    // The dialog takes the focus, and its file-name box has it; keys sent
    // before the focus arrives would be lost. Then replace what the box
    // holds.
    if (!waitUntil([&] { return focusedWindow() == dialog; }, 5s)) return false;
    key("ctrl+a");
    typeText(path);
    key("Return");
    return waitForWindowGone(dialog);
}

std::optional<int> EditorSession::waitForExit(std::chrono::milliseconds timeout) {
    return program_->waitForExit(timeout);
}

}  // namespace qv::test
