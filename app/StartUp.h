#pragma once
// The start-up routine: makes the application object, sets up the process,
// creates and shows the main window, runs the message loop and returns the
// process's exit code (0, or -1 when the window cannot be created).
namespace qv {

int runQuorvane(int& argc, char** argv);

}  // namespace qv
