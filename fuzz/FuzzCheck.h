#pragma once
// A broken promise found while fuzzing: say which, then abort so libFuzzer
// keeps the input as a crash.
#include <cstdio>
#include <cstdlib>

namespace qv::fuzz {

inline void require(bool holds, const char* promise) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", promise);
    std::abort();
}

}  // namespace qv::fuzz
