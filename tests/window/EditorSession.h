#pragma once
// One run of the real editor on an X server of its own, driven like a user
// drives it: xdotool moves the pointer, clicks and types; screenshots are
// read back as pixels. Everything it starts ends with the object, the
// program before the server, also when a test fails half-way.
//
// Points are in the main window's client area unless a name says otherwise.
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "picture/Surface.h"
#include "tests/support/TempFolder.h"
#include "tests/window/ChildProcess.h"
#include "tests/window/XServer.h"

namespace qv::test {

struct Point {
    int x = 0;
    int y = 0;
};

inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }

struct WindowGeometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

using namespace std::chrono_literals;

class EditorSession {
public:
    EditorSession();
    ~EditorSession();
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

    // A folder of the test's own; the program's HOME and XDG folders live in
    // it too.
    std::string file(const std::string& name) const { return folder_.file(name); }

    // The main window as the X server has it: position on the screen (there
    // is no window manager, so no frame) and client size.
    WindowGeometry geometry();
    Point clientOrigin() { return {geometry().x, geometry().y}; }

    // Pointer and keys. Clicks and drags use the left button.
    void click(Point p);
    // Clicks at each point in turn, in one go.
    void clickEach(const std::vector<Point>& points);
    void drag(Point from, Point to);
    void typeText(const std::string& text);
    void key(const std::string& keys);
    // Gives a window the keyboard focus, as a window manager does when a
    // dialog over it closes; bare X leaves the focus on the root window.
    void focusWindow(const std::string& id);
    // The id of the window with the keyboard focus.
    std::string focusedWindow();

    // The whole screen, and the window's client area cut out of it.
    Surface screenshot();
    Surface clientShot();
    // Takes client screenshots until `done` accepts one or the time is up;
    // returns the last one either way.
    Surface clientShotWhen(const std::function<bool(const Surface&)>& done, std::chrono::milliseconds timeout = 15s);

    // The file dialog: waits for it, types the full path over whatever its
    // file-name box holds, confirms with Return and waits until it is gone.
    // False when the dialog did not come or did not go.
    bool answerFileDialog(const std::string& path);
    // The id of a shown window other than the main window, once there is one;
    // empty after the timeout.
    std::string waitForDialog(std::chrono::milliseconds timeout = 10s);
    // The same for a shown window that is none of `known`.
    std::string waitForNewWindow(const std::vector<std::string>& known, std::chrono::milliseconds timeout = 10s);
    bool waitForWindowGone(const std::string& id, std::chrono::milliseconds timeout = 10s);

    // Exit code once the program has ended within the timeout.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout = 10s);

    // xdotool with the session's display; its output.
    CommandResult xdotool(const std::vector<std::string>& args, std::chrono::milliseconds timeout = 10s);

    const std::string& windowId() const { return window_; }

private:
    std::vector<std::string> visibleWindows();
    // xdotool words that move the pointer to a screen point; they wait for
    // the move only where there is one (a wait for no move never ends).
    std::vector<std::string> moveTo(Point screen);
    void dumpLogsOnFailure();

    TempFolder folder_;
    std::string xLog_;
    std::string programLog_;
    std::unique_ptr<XServer> server_;
    Environment environment_;
    std::unique_ptr<ChildProcess> program_;
    std::string window_;
    std::optional<Point> pointer_;  // where the last move left the pointer
};

// Waits, polling, until `done` holds or the time is up; the last answer.
bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = 10s);

}  // namespace qv::test
