#include "app/ExitRoutine.h"

#include <QCoreApplication>

namespace qv {
namespace {

std::function<void()>& slot() {
    static std::function<void()> routine;
    return routine;
}

}  // namespace

void registerExitRoutine(std::function<void()> routine) {
    static const bool hooked = [] {
        qAddPostRoutine(&runExitRoutine);
        return true;
    }();
    (void)hooked;
    slot() = std::move(routine);
}

void runExitRoutine() {
    std::function<void()> routine;
    routine.swap(slot());  // emptied before the call: a second pass finds nothing
    if (routine) routine();
}

void discardExitRoutine() { slot() = nullptr; }

}  // namespace qv
