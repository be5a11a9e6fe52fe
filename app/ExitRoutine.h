#pragma once
// The one exit routine slot: the exit processing calls the routine and
// empties the slot, so it runs at most once even when the exit processing is
// passed again as the application object is destroyed.
#include <functional>

namespace qv {

// Fills the slot; the first call also hooks the slot into the application
// object's destruction.
void registerExitRoutine(std::function<void()> routine);

// Calls the routine in the slot, if any, and empties the slot.
void runExitRoutine();

// Empties the slot without calling the routine.
void discardExitRoutine();

}  // namespace qv
