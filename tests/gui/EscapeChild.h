#pragma once
// The child side of the Esc test: the program's own start-up routine, with
// Esc pressed in 编辑框素材单位x once the loop runs.
namespace qv::test {

inline constexpr const char* kEscapeChildFlag = "--escape-child";
inline constexpr int kEscapeNeverClosed = 3;

int runEscapeChild(int argc, char** argv);

}  // namespace qv::test
